// An app/ header: only app/ may include it.
#pragma once
#include <QDialog>
