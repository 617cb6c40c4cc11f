// Widget code may include widgets, but not app/.
#include <QWidget>
#include "app/Sheet.h"
