#pragma once

#include <QFont>
#include <functional>

// font as it is when fits accepts it, else one pixel smaller at a time, down to 6 pixels, until it does.
QFont shrinkToFit(QFont font, const std::function<bool(const QFont&)>& fits);
