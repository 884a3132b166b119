#include "plot/border.h"

namespace plot {

namespace {

LineStyle invisibleSide() {
    LineStyle side;
    side.width = 0.0;
    side.color = 0x00FFFFFFu;
    return side;
}

}  // namespace

CBorder::CBorder()
    : top(invisibleSide()),
      left(invisibleSide()),
      bottom(invisibleSide()),
      right(invisibleSide()) {}

void CBorder::SetBorderColor(Color argb) {
    for (LineStyle* side : {&top, &left, &bottom, &right}) {
        if (side->color != argb) {
            side->SetColor(argb);
            changed = 1;
        }
    }
}

void CBorder::SetBorder(double width, Color argb) {
    for (LineStyle* side : {&top, &left, &bottom, &right}) {
        side->SetWidth(width);
        side->SetColor(argb);
    }
    changed = 1;
}

bool CBorder::IsChanged() const {
    return changed || top.changed || left.changed || bottom.changed || right.changed;
}

void CBorder::ClearChanged() {
    changed = 0;
    top.changed = left.changed = bottom.changed = right.changed = 0;
}

void CBorder::Draw(Graphics& g, const RectF& r) const {
    if (!enabled) {
        return;
    }
    if (!top.color.isTransparent()) {
        g.drawLine(g.makePen(top), r.x, r.y, r.x + r.w, r.y);
    }
    if (!bottom.color.isTransparent()) {
        g.drawLine(g.makePen(bottom), r.x, r.y + r.h, r.x + r.w, r.y + r.h);
    }
    if (!left.color.isTransparent()) {
        g.drawLine(g.makePen(left), r.x, r.y, r.x, r.y + r.h);
    }
    if (!right.color.isTransparent()) {
        g.drawLine(g.makePen(right), r.x + r.w, r.y, r.x + r.w, r.y + r.h);
    }
}

}  // namespace plot
