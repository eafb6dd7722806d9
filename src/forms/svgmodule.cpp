// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
// The vector renderer, a module of its own so that its libraries load only
// when a picture is drawn at a scale other than 100 %.
#include <cairo.h>
#include <librsvg/rsvg.h>

extern "C" __attribute__((visibility("default"))) int
strumkin_render_svg(const char *data, long size, int width, int height, unsigned char *pixels,
                    int stride)
{
    if (data == nullptr || size <= 0 || width <= 0 || height <= 0 ||
        stride < cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, width))
        return 0;
    GError *error = nullptr;
    RsvgHandle *handle =
        rsvg_handle_new_from_data(reinterpret_cast<const guint8 *>(data), size, &error);
    if (handle == nullptr) {
        g_clear_error(&error);
        return 0;
    }
    // Cairo's ARGB32 is premultiplied, native-endian, as the caller's image.
    cairo_surface_t *surface =
        cairo_image_surface_create_for_data(pixels, CAIRO_FORMAT_ARGB32, width, height, stride);
    cairo_t *cr = cairo_create(surface);
    const RsvgRectangle viewport{0, 0, static_cast<double>(width), static_cast<double>(height)};
    const gboolean drawn = rsvg_handle_render_document(handle, cr, &viewport, &error);
    g_clear_error(&error);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    cairo_surface_destroy(surface);
    g_object_unref(handle);
    return drawn ? 1 : 0;
}
