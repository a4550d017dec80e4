// The bar chart of one roger-beep pattern, drawn in the chart's own scale.
#pragma once

#include <QWidget>

namespace ulbrix {

class RogerBeepChart : public QWidget {
    Q_OBJECT
public:
    explicit RogerBeepChart(QWidget* parent = nullptr);

    // Pattern 1..8 of the working document; anything else draws no bars.
    void setPattern(int n);
    int pattern() const { return pattern_; }
    // The drawing scale (units across and down the whole chart). Without one,
    // the chart measures itself in twips (15 per pixel).
    void setScale(double width, double height);
    double scaleWidth() const;
    double scaleHeight() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int pattern_ = 0;
    double scaleWidth_ = 0;
    double scaleHeight_ = 0;
};

}  // namespace ulbrix
