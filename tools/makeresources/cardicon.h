#pragma once

#include "icowriter.h"

// The program's 32 x 32 icon: a small green circuit card with a chip, edge
// headers, jumper shunts and the sockets along its lower edge, drawn dot
// by dot in the standard 16-colour palette.
class CardIcon
{
public:
    static IcoWriter::Picture picture();
};
