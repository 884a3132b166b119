#include "plot/recording_graphics.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace plot {

namespace {

std::string hex(Color c) {
    char buf[12];
    std::snprintf(buf, sizeof buf, "#%08X", static_cast<unsigned>(c.argb));
    return buf;
}

std::string num(double v) {
    return RecordingGraphics::number(v);
}

std::string pt(double x, double y) {
    return num(x) + "," + num(y);
}

std::string rect(const RectF& r) {
    return num(r.x) + "," + num(r.y) + "," + num(r.w) + "," + num(r.h);
}

std::string pen(const Pen& p) {
    std::string s = "pen=" + hex(p.color) + "/" + num(p.width);
    if (p.dashStyle != kDashSolid) {
        s += "/dash" + std::to_string(p.dashStyle);
    }
    return s;
}

std::string brush(const Brush& b) {
    if (b.hatched) {
        return "hatch=" + std::to_string(b.hatchStyle) + "/" + hex(b.color) + "/" +
               hex(b.backColor);
    }
    return "brush=" + hex(b.color);
}

std::string points(const std::vector<PointF>& pts) {
    std::string s = std::to_string(pts.size()) + "pts";
    if (pts.size() <= 6) {
        for (const PointF& p : pts) {
            s += " " + pt(p.x, p.y);
        }
    } else {
        s += " " + pt(pts.front().x, pts.front().y) + " .. " + pt(pts.back().x, pts.back().y);
    }
    return s;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> out(1);
    for (char ch : text) {
        if (ch == '\n') {
            out.emplace_back();
        } else if (ch != '\r') {
            out.back() += ch;
        }
    }
    return out;
}

}  // namespace

RecordingGraphics::RecordingGraphics(double deviceScale, bool printedPage)
    : m_deviceScale(deviceScale), m_printedPage(printedPage) {}

std::string RecordingGraphics::number(double value) {
    if (value == 0.0) {
        return "0";  // also folds -0
    }
    // Round to 6 significant digits first so tiny float noise does not reach expected files.
    char buf[32];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 6);
    std::string s(buf, res.ptr);
    double rounded = 0.0;
    std::from_chars(s.data(), s.data() + s.size(), rounded);
    res = std::to_chars(buf, buf + sizeof buf, rounded);
    return std::string(buf, res.ptr);
}

std::string RecordingGraphics::text() const {
    std::string out;
    for (const std::string& line : m_lines) {
        out += line;
        out += '\n';
    }
    return out;
}

std::vector<std::string> RecordingGraphics::linesStartingWith(const std::string& word) const {
    std::vector<std::string> out;
    for (const std::string& line : m_lines) {
        if (line.compare(0, word.size(), word) == 0 &&
            (line.size() == word.size() || line[word.size()] == ' ')) {
            out.push_back(line);
        }
    }
    return out;
}

void RecordingGraphics::save() {
    add("save");
}
void RecordingGraphics::restore() {
    add("restore");
}
void RecordingGraphics::setClip(const RectF& r) {
    add("clip " + rect(r));
}
void RecordingGraphics::intersectClip(const RectF& r) {
    add("clip.intersect " + rect(r));
}
void RecordingGraphics::resetClip() {
    add("clip.reset");
}
void RecordingGraphics::translate(double dx, double dy) {
    add("translate " + pt(dx, dy));
}
void RecordingGraphics::rotate(double degrees) {
    add("rotate " + num(degrees));
}
void RecordingGraphics::scale(double sx, double sy) {
    add("scale " + pt(sx, sy));
}
void RecordingGraphics::resetTransform() {
    add("transform.reset");
}

void RecordingGraphics::drawLine(const Pen& p, double x1, double y1, double x2, double y2) {
    add("line " + pt(x1, y1) + " " + pt(x2, y2) + " " + pen(p));
}

void RecordingGraphics::drawPolyline(const Pen& p, const std::vector<PointF>& pts) {
    add("polyline " + points(pts) + " " + pen(p));
}

void RecordingGraphics::drawPolygon(const Pen& p, const std::vector<PointF>& pts) {
    add("polygon " + points(pts) + " " + pen(p));
}

void RecordingGraphics::fillPolygon(const Brush& b, const std::vector<PointF>& pts) {
    add("fillpolygon " + points(pts) + " " + brush(b));
}

void RecordingGraphics::drawRectangle(const Pen& p, const RectF& r) {
    add("rect " + rect(r) + " " + pen(p));
}

void RecordingGraphics::fillRectangle(const Brush& b, const RectF& r) {
    add("fillrect " + rect(r) + " " + brush(b));
}

void RecordingGraphics::drawEllipse(const Pen& p, const RectF& r) {
    add("ellipse " + rect(r) + " " + pen(p));
}

void RecordingGraphics::fillEllipse(const Brush& b, const RectF& r) {
    add("fillellipse " + rect(r) + " " + brush(b));
}

void RecordingGraphics::drawArc(const Pen& p, const RectF& r, double startDeg, double sweepDeg) {
    add("arc " + rect(r) + " " + num(startDeg) + "/" + num(sweepDeg) + " " + pen(p));
}

void RecordingGraphics::drawPie(const Pen& p, const RectF& r, double startDeg, double sweepDeg) {
    add("pie " + rect(r) + " " + num(startDeg) + "/" + num(sweepDeg) + " " + pen(p));
}

void RecordingGraphics::drawString(const std::string& s, const Font& font, Color color,
                                   const RectF& r, const TextFormat& format) {
    std::string line = "string \"" + s + "\" font=" + font.family + "/" + num(font.sizePt) + "/" +
                       std::to_string(font.style) + " color=" + hex(color) + " rect=" + rect(r) +
                       " align=" + std::to_string(format.horizontalAlign) + "/" +
                       std::to_string(format.verticalAlign);
    if (!format.wrap) {
        line += " nowrap";
    }
    if (format.clip) {
        line += " clip";
    }
    add(line);
}

SizeF RecordingGraphics::measureString(const std::string& s, const Font& font, const SizeF& layout,
                                       const TextFormat& format) {
    const double pixelHeight = font.sizePt * kPixelsPerPoint * m_deviceScale;
    const double charWidth = pixelHeight * ((font.style & kFontBold) ? 0.55 : 0.5);
    const double lineHeight = pixelHeight * 1.2;
    if (s.empty()) {
        return {0.0, 0.0};
    }
    const bool wrap = format.wrap && layout.width > 0.0;
    const std::size_t maxChars =
        wrap ? std::max<std::size_t>(1, static_cast<std::size_t>(layout.width / charWidth))
             : std::string::npos;
    std::size_t lineCount = 0;
    std::size_t widest = 0;
    for (const std::string& paragraph : splitLines(s)) {
        std::size_t len = paragraph.size();
        if (!wrap || len <= maxChars) {
            ++lineCount;
            widest = std::max(widest, len);
            continue;
        }
        // Greedy word wrap; a word longer than the line is broken where it overflows.
        std::size_t current = 0;
        std::size_t pos = 0;
        while (pos < len) {
            std::size_t end = paragraph.find(' ', pos);
            if (end == std::string::npos) {
                end = len;
            }
            std::size_t word = end - pos;
            std::size_t need = current == 0 ? word : current + 1 + word;
            if (need <= maxChars) {
                current = need;
            } else if (current == 0) {
                widest = std::max(widest, maxChars);
                ++lineCount;
                pos += maxChars;
                continue;
            } else {
                widest = std::max(widest, current);
                ++lineCount;
                current = 0;
                continue;
            }
            pos = end + 1;
        }
        if (current > 0) {
            widest = std::max(widest, current);
            ++lineCount;
        }
    }
    return {static_cast<double>(widest) * charWidth, static_cast<double>(lineCount) * lineHeight};
}

void RecordingGraphics::drawImage(const Image& image, const RectF& r) {
    add("image " + std::to_string(image.width) + "x" + std::to_string(image.height) + " " +
        rect(r));
}

}  // namespace plot
