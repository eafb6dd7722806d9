#pragma once

class QPainter;
class QRectF;

namespace strumkin::forms {

class Form;

// Draws a window's client area, background and every visible control, onto
// a painter at a rectangle of its device: on paper the page is vectors and
// text, not a picture of the screen.
void paintClientArea(const Form &form, QPainter &painter, const QRectF &target);

} // namespace strumkin::forms
