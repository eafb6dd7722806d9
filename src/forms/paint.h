// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

class QPainter;
class QRectF;

namespace strumkin::forms {

class Form;

// Draws a window's client area, background and every visible control, onto
// a painter at a rectangle of its device, scaled uniformly and centred: on
// paper the page is vectors and text, not a picture of the screen. Each
// control keeps the pixel box it has on screen and its fonts their point
// sizes, so on a device of the window's resolution every text breaks into
// the lines it has on screen, whatever the painter's scale.
void paintClientArea(const Form &form, QPainter &painter, const QRectF &target);

} // namespace strumkin::forms
