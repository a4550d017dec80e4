#include "editors/settings/RogerBeepChart.h"

#include <QPainter>
#include <cmath>

#include "core/GlobalState.h"
#include "editors/settings/RogerBeepRules.h"

namespace ulbrix {

RogerBeepChart::RogerBeepChart(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setMinimumSize(120, 60);
}

void RogerBeepChart::setPattern(int n) {
    pattern_ = n;
    update();
}

void RogerBeepChart::setScale(double width, double height) {
    scaleWidth_ = width;
    scaleHeight_ = height;
    update();
}

double RogerBeepChart::scaleWidth() const { return scaleWidth_ > 0 ? scaleWidth_ : width() * 15.0; }
double RogerBeepChart::scaleHeight() const { return scaleHeight_ > 0 ? scaleHeight_ : height() * 15.0; }

void RogerBeepChart::paintEvent(QPaintEvent*) {
    if (pattern_ < 1 || pattern_ > RBPatternCount) return;
    const double sw = scaleWidth(), sh = scaleHeight();
    if (sw < 1 || sh < 1) return;
    QPainter p(this);
    p.setWindow(0, 0, static_cast<int>(std::lround(sw)), static_cast<int>(std::lround(sh)));
    p.setPen(Qt::NoPen);
    const auto bars = RBChartGeometry(WorkDocument.RogerBeep.at(static_cast<std::size_t>(pattern_)), sw, sh);
    for (const RBChartBar& b : bars)
        p.fillRect(QRectF(QPointF(b.left, b.top), QPointF(b.right, b.base)).normalized(),
                   b.red ? QColor(255, 0, 0) : QColor(0, 0, 255));
}

}  // namespace ulbrix
