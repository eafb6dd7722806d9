#include "glyphs.h"

#include <QList>

#include <map>

namespace strumkin::artwork {

namespace {

const std::map<char, QList<QByteArray>> &pixelFont()
{
    static const std::map<char, QList<QByteArray>> font = {
        {'S', {".###", "#...", "#...", ".##.", "...#", "...#", "###."}},
        {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
        {'O', {".##.", "#..#", "#..#", "#..#", "#..#", "#..#", ".##."}},
        {'P', {"###.", "#..#", "#..#", "###.", "#...", "#...", "#..."}},
    };
    return font;
}

} // namespace

int pixelTextWidth(const QByteArray &text)
{
    int width = 0;
    for (const char letter : text)
        width += int(pixelFont().at(letter).front().size()) + 1;
    return text.isEmpty() ? 0 : width - 1;
}

int drawPixelText(QImage &image, QPoint topLeft, const QByteArray &text, QRgb colour)
{
    int x = topLeft.x();
    for (const char letter : text) {
        const QList<QByteArray> &rows = pixelFont().at(letter);
        for (int row = 0; row < rows.size(); ++row)
            for (int column = 0; column < rows[row].size(); ++column)
                if (rows[row][column] == '#')
                    image.setPixel(x + column, topLeft.y() + row, colour);
        x += int(rows.front().size()) + 1;
    }
    return x - topLeft.x() - 1;
}

QPainterPath digitStroke(int digit)
{
    QPainterPath path;
    switch (digit) {
    case 1:
        path.moveTo(2.5, 3.5);
        path.lineTo(6, 0.8);
        path.lineTo(6, 13.2);
        break;
    case 2:
        path.moveTo(1.5, 4);
        path.cubicTo(1.5, 0.2, 8.8, -0.2, 8.6, 4.2);
        path.cubicTo(8.4, 7.5, 2, 10, 1.2, 13.2);
        path.lineTo(9, 13.2);
        break;
    case 3:
        path.moveTo(1.4, 2.4);
        path.cubicTo(3.5, -0.3, 8.8, 0.4, 8.5, 3.6);
        path.cubicTo(8.3, 6, 5.8, 6.6, 4.2, 6.7);
        path.cubicTo(8.2, 6.7, 9.4, 9.2, 8.8, 11.2);
        path.cubicTo(7.8, 14.4, 2.8, 14.2, 1.2, 11.8);
        break;
    case 4:
        path.moveTo(7, 13.2);
        path.lineTo(7, 0.8);
        path.lineTo(1, 9.4);
        path.lineTo(9.6, 9.4);
        break;
    default:
        break;
    }
    return path;
}

QPainterPath letterSStroke()
{
    QPainterPath path;
    path.moveTo(80, 26);
    path.cubicTo(74, 14, 62, 8, 50, 8);
    path.cubicTo(32, 8, 20, 20, 20, 36);
    path.cubicTo(20, 54, 36, 62, 50, 68);
    path.cubicTo(66, 75, 82, 84, 82, 102);
    path.cubicTo(82, 120, 68, 132, 50, 132);
    path.cubicTo(36, 132, 24, 126, 18, 112);
    return path;
}

QPainterPath questionStroke()
{
    QPainterPath path;
    path.moveTo(4.8, 11.0);
    path.cubicTo(4.8, 6.2, 7.9, 3.6, 11.5, 3.6);
    path.cubicTo(15.4, 3.6, 18.2, 6.4, 18.2, 10.0);
    path.cubicTo(18.2, 13.6, 15.2, 15.2, 13.3, 16.8);
    path.cubicTo(12.0, 17.9, 11.5, 19.2, 11.5, 21.2);
    path.lineTo(11.5, 23.8);
    return path;
}

QPointF questionDot()
{
    return {11.5, 29.4};
}

} // namespace strumkin::artwork
