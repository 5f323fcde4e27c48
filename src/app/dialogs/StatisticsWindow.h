#pragma once

// The statistics of the log, following it as it changes; open beside the main window while the operator
// works on.
//
// BandTable         contacts by band: rows 160M to 10M and Total; columns SSB and CW contacts, the
//                   distinct calls and the dupes of the band
// RatesGroup        contacts per hour:
//   LastTenRate       the rate of the last 10 contacts
//   LastSixtyMinutes  the contacts of the 60 minutes up to the latest one
//   BestSixtyMinutes  the most contacts in any 60 minutes
//   HourlyAverage     the contacts over the clock hours that hold one
// Chart             contacts per clock hour, stacked by band
// SaveChart         "Save chart...": the chart as a PNG picture

#include "StatisticsFeed.h"
#include "platform/Desktop.h"
#include "ui_StatisticsWindow.h"

#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <array>

class QBarCategoryAxis;
class QBarSet;
class QValueAxis;

class TStatistics final : public QWidget, private Ui::TStatistics {
    Q_OBJECT

public:
    // `feed` follows the log from the start, whether the window is built or shown; its owner calls
    // ScheduleRefresh() after each change. `neighbour` is the window this one opens beside.
    TStatistics(Desktop& desktop, const zevo::StatisticsFeed& feed, const QWidget* neighbour = nullptr,
                QWidget* parent = nullptr);

    // The captions in the interface language; the main window calls it whenever its language changes.
    void ApplyLanguage();
    // Opens the window beside its neighbour, or brings it forward where it is; the keyboard stays where
    // it was.
    void Present();

    // Handlers.
    void SaveChartClick();
    // Shows the log's statistics in the next pass of the event loop, once for all the changes before.
    void ScheduleRefresh();

signals:
    // The operator closed the window (Escape or its close control).
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Refresh();
    void ShowCounts(const zevo::LogStatistics& statistics);
    void ShowRates(const zevo::LogStatistics& statistics);
    void ShowChart(const zevo::LogStatistics& statistics);
    void PlaceBesideNeighbour();

    Desktop& m_desktop;
    const QWidget* m_neighbour;
    const zevo::StatisticsFeed& m_feed;
    // A burst of changes in one pass of the event loop (a load, an undo of many lines) is shown once.
    QTimer m_refresh;
    std::array<QBarSet*, zevo::BandCount> m_bandBars{};
    QBarCategoryAxis* m_hourAxis = nullptr;
    QValueAxis* m_contactAxis = nullptr;
    QStringList m_hourLabels;
};
