// The pictures on the calculator's keys, drawn in code so that they stay
// sharp at any size and screen scale.
#pragma once

#include <QIcon>

// The picture for the key with this control id; a null icon for an id
// without a key.
QIcon KalkKeyIcon(int controlId);

// The caption of a key (its accessible name and tooltip), as the template
// names it: "Cofnij", "X^1/Y", "A --> B" ...
QString KalkKeyCaption(int controlId);
