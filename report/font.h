#pragma once

#include <QFont>

namespace report {

// The face and size every line of the report is drawn in, bold or not.
QFont reportFont(bool bold);

} // namespace report
