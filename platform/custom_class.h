// Controls of registered window classes: they paint by sending e_update to their class's
// handler; a control whose class is not registered, or whose handler declines, paints
// nothing.
#pragma once

#include <QWidget>

namespace zarn {

QWidget* create_custom_control(const char* class_name, QWidget* parent);

} // namespace zarn
