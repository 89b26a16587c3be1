// The match plan drawn: the minutes 0 to 90 across, one band a score from "3 down" at the bottom to "3 up" at the
// top; each band shows the strategy in force in its preset's colour and the players' conditionals as markers at
// their minute. The same drawing makes the picture the manager saves.
#pragma once

#include "matchplan.h"

#include <QWidget>
#include <functional>

class QPainter;

class MatchPlanView : public QWidget {
    Q_OBJECT
public:
    explicit MatchPlanView(QWidget* parent = nullptr);

    // The plan, the strategy presets of the league and the tactic lines it was read from.
    void setPlan(const MatchPlan& plan, const QStringList& presets, const QStringList& tacticLines);
    // The line above the chart: the team's name and the match number.
    void setHeading(const QString& heading);
    // The band outlined.
    void setChosenScore(int goalDifference);
    // The readable words of an event's conditional, for its tooltip.
    void setEventWords(std::function<QString(const PlanEvent&)> words);

    // The whole chart (heading, bands, axis and legend) drawn into a rectangle of `size` at the painter's origin.
    void paintChart(QPainter& painter, const QSize& size) const;

    // Where the chart shows an event or a segment of a score, in this widget; empty when not shown.
    QRect markerRect(int goalDifference, int index) const;
    QRect segmentRect(int goalDifference, int index) const;
    // The tooltip at a point of this widget, empty where there is none.
    QString toolTipAt(const QPoint& pos) const;

    // One colour a preset, in preset order; a code no preset has is grey.
    QColor strategyColour(const QString& code) const;

signals:
    void eventClicked(int goalDifference, int index);
    void segmentClicked(int goalDifference, int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

public:
    struct Item {
        QRect rect;
        int goalDifference;
        int index;
    };
    // Where everything goes at one size.
    struct Layout {
        QRect heading, plot, axis, legend;
        int labelWidth = 0;
        std::array<QRect, MatchPlan::Scores> bands; // by goal difference + 3
        QList<Item> segments, markers;
        QList<int> markerLanes; // the lane of each marker, parallel to markers
    };
    Layout layoutFor(const QSize& size) const;

private:
    const Item* itemAt(const QPoint& pos, bool* isMarker) const;
    const Layout& currentLayout() const;
    QString markerText(const PlanEvent& e) const;

    MatchPlan m_plan;
    QStringList m_presets;
    QStringList m_lines;
    QString m_heading;
    int m_chosen = 0;
    std::function<QString(const PlanEvent&)> m_words;
    mutable Layout m_layout;
    mutable QSize m_layoutSize;
};
