#include "tradiopanel.h"

TRadioPanel::TRadioPanel(QWidget *parent)
    : QWidget(parent)
{
    // Filled with the button face, whatever the window it stands on; the
    // jumper drawings on it read this colour for their background.
    setAutoFillBackground(true);
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    resize(194, 100);
    hide();
}

void TRadioPanel::SetFinalAnchors(TAnchors value)
{
    m_FinalAnchors = value;
    if (m_InPopup)
        AnchorRules::Set(this, value);
}
