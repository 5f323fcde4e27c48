#pragma once

#include <QFont>

// The font of the log wherever its lines or calls are shown: one whose characters all advance alike,
// so that the columns of the lines line up.
QFont LogFont();
