#pragma once

#include <vector>

#include <QColor>
#include <QString>
#include <QWidget>

namespace app {

/// A light plot of a few curves with a title, axis captions and a frame of ticks, used for the
/// three result plots of the main window until the plot library's windows take their place.
/// Values are given in display units.
class CurvePlot : public QWidget {
    Q_OBJECT
public:
    struct Curve {
        std::vector<double> x;
        std::vector<double> y;
        QColor colour;
    };

    explicit CurvePlot(QWidget* parent = nullptr);

    void setTitles(const QString& title, const QString& yCaption, const QString& xCaption);
    void setCurves(std::vector<Curve> curves);
    void clear();

    const QString& title() const { return m_title; }
    const QString& yCaption() const { return m_yCaption; }
    const QString& xCaption() const { return m_xCaption; }
    const std::vector<Curve>& curves() const { return m_curves; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_title;
    QString m_yCaption;
    QString m_xCaption;
    std::vector<Curve> m_curves;
};

}  // namespace app
