#pragma once

#include <QImage>

#include <cstdint>

// What a camera does to a scene: uneven light and lens fall-off, a little
// softness, sensor noise and a warm white balance, then the picture at the
// camera's resolution.
class CameraEffects
{
public:
    static QImage develop(const QImage &scene, QSize size, std::uint32_t seed);
};
