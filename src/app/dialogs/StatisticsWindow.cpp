#include "dialogs/StatisticsWindow.h"

#include "AtomicTextFile.h"
#include "platform/FileChoice.h"
#include "platform/Guard.h"
#include "widgets/Accessibility.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QDate>
#include <QFile>
#include <QGraphicsLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScreen>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int TotalRow = zevo::BandCount;
enum Column { SsbColumn, CwColumn, CallsColumn, DupesColumn, ColumnCount };

QString BandName(int band) {
    const std::string_view name = zevo::BandName(band);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// The hours without a contact between the first and the last are shown as empty bars, so that a break
// can be seen; a log that spans days on end (a date typed wrong) shows only the hours that hold one.
constexpr std::int64_t MostHoursShownInFull = 72;

std::int64_t HourNumber(const zevo::HourContacts& hour) {
    return QDate::fromString(QString::fromLatin1(hour.date), Qt::ISODate).toJulianDay() * 24 + hour.hour;
}

struct HourBar {
    std::int64_t hour; // since the start of the Julian days, so that dates and hours order
    std::array<int, zevo::BandCount> bands{};
};

std::vector<HourBar> HourBars(const std::vector<zevo::HourContacts>& hours) {
    std::vector<HourBar> bars;
    if (hours.empty())
        return bars;
    const std::int64_t first = HourNumber(hours.front());
    const std::int64_t last = HourNumber(hours.back());
    if (last - first < MostHoursShownInFull)
        for (std::int64_t hour = first; hour <= last; ++hour)
            bars.push_back({hour, {}});
    for (const zevo::HourContacts& hour : hours) {
        const std::int64_t number = HourNumber(hour);
        const auto bar = std::lower_bound(bars.begin(), bars.end(), number,
                                          [](const HourBar& b, std::int64_t n) { return b.hour < n; });
        if (bar != bars.end() && bar->hour == number)
            bar->bands = hour.bands;
        else
            bars.push_back({number, hour.bands});
    }
    return bars;
}

// The hour alone while the log keeps to one date; with the date in front once it passes midnight, as
// the axis needs every label to differ.
QString HourLabel(std::int64_t hour, bool withDate) {
    QString time = QStringLiteral("%1").arg(hour % 24, 2, 10, QLatin1Char('0'));
    if (!withDate)
        return time;
    return QDate::fromJulianDay(hour / 24).toString(QStringLiteral("MM-dd ")) + time;
}

// A step of 1, 2 or 5 times a power of ten that divides the axis into at most five parts.
int AxisStep(int most) {
    for (int power = 1;; power *= 10)
        for (const int step : {power, 2 * power, 5 * power})
            if (most <= 5 * step)
                return step;
}

QString Rounded(double value) {
    return QString::number(std::lround(value));
}

} // namespace

TStatistics::TStatistics(Desktop& desktop, const zevo::StatisticsFeed& feed, const QWidget* neighbour,
                         QWidget* parent)
    : QWidget(parent, Qt::Window), m_desktop(desktop), m_neighbour(neighbour), m_feed(feed) {
    setupUi(this);
    // A zero interval: the refresh runs in the event loop's next pass, once for all the changes before.
    m_refresh.setSingleShot(true);
    m_refresh.setInterval(0);
    connect(&m_refresh, &QTimer::timeout, this, &TStatistics::Refresh);
    for (int row = 0; row <= TotalRow; ++row)
        for (int column = 0; column < ColumnCount; ++column) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            BandTable->setItem(row, column, item);
        }
    BandTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    BandTable->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The operator goes on typing contacts in the main window while this one follows the log.
    setAttribute(Qt::WA_ShowWithoutActivating);
    TellAsWindow("TStatistics");

    QChart* chart = Chart->chart();
    auto* series = new QStackedBarSeries(chart);
    for (int band = 0; band < zevo::BandCount; ++band) {
        m_bandBars[static_cast<std::size_t>(band)] = new QBarSet(BandName(band));
        series->append(m_bandBars[static_cast<std::size_t>(band)]);
    }
    chart->addSeries(series);
    m_hourAxis = new QBarCategoryAxis(chart);
    m_contactAxis = new QValueAxis(chart);
    m_contactAxis->setLabelFormat(QStringLiteral("%i"));
    m_contactAxis->setTickType(QValueAxis::TicksDynamic);
    chart->addAxis(m_hourAxis, Qt::AlignBottom);
    chart->addAxis(m_contactAxis, Qt::AlignLeft);
    series->attachAxis(m_hourAxis);
    series->attachAxis(m_contactAxis);
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    Chart->setRenderHint(QPainter::Antialiasing);

    ConnectGuarded(SaveChart, &QPushButton::clicked, this, m_desktop, &TStatistics::SaveChartClick);
    ApplyLanguage();
}

void TStatistics::ApplyLanguage() {
    retranslateUi(this);
    // Band and mode names are the same in every language.
    QStringList rows;
    for (int band = 0; band < zevo::BandCount; ++band)
        rows << BandName(band);
    BandTable->setVerticalHeaderLabels(rows << tr("Total"));
    BandTable->setHorizontalHeaderLabels(
        {QStringLiteral("SSB"), QStringLiteral("CW"), tr("Calls"), tr("Dupes")});
    m_hourAxis->setTitleText(tr("Hour (UTC)"));
    m_contactAxis->setTitleText(tr("Contacts"));
}

void TStatistics::Present() {
    if (!isVisible())
        PlaceBesideNeighbour();
    show();
    raise();
}

namespace {

// The place of a window of `size` beside `neighbour` on the screen's `room`: on its right, else its left,
// below or above, the first where it covers nothing of the neighbour. Where none has room, the place
// against the neighbour's sides or the screen's edges that covers the least of it.
QPoint PlaceBeside(const QRect& neighbour, const QSize& size, const QRect& room) {
    const auto onScreen = [&](QPoint at) {
        return QPoint(
            std::clamp(at.x(), room.left(), std::max(room.left(), room.right() + 1 - size.width())),
            std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() + 1 - size.height())));
    };
    const int right = neighbour.right() + 1;
    const int left = neighbour.left() - size.width();
    const int below = neighbour.bottom() + 1;
    const int above = neighbour.top() - size.height();
    std::vector<QPoint> candidates{{right, neighbour.top()},
                                   {left, neighbour.top()},
                                   {neighbour.left(), below},
                                   {neighbour.left(), above}};
    const int screenRight = room.right() + 1 - size.width();
    const int screenBottom = room.bottom() + 1 - size.height();
    for (const int x : {right, left, room.left(), screenRight})
        for (const int y : {below, above, room.top(), screenBottom})
            candidates.emplace_back(x, y);
    QPoint best;
    long long leastCovered = -1;
    for (const QPoint candidate : candidates) {
        const QPoint at = onScreen(candidate);
        const QRect covered = QRect(at, size).intersected(neighbour);
        const long long area =
            covered.isEmpty() ? 0 : static_cast<long long>(covered.width()) * covered.height();
        if (leastCovered < 0 || area < leastCovered) {
            best = at;
            leastCovered = area;
        }
    }
    return best;
}

} // namespace

void TStatistics::PlaceBesideNeighbour() {
    if (!m_neighbour)
        return;
    // Before its first showing this window has no frame yet: it will have one like the neighbour's.
    const QSize frame = m_neighbour->frameGeometry().size() - m_neighbour->size();
    const QSize own = isVisible() ? frameGeometry().size() : size() + frame;
    move(PlaceBeside(m_neighbour->frameGeometry(), own, m_neighbour->screen()->availableGeometry()));
}

void TStatistics::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

// Closed by the operator, it gives the keyboard back to the main window's call field.
void TStatistics::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit closed();
}

void TStatistics::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Refresh();
}

void TStatistics::ScheduleRefresh() {
    if (!m_refresh.isActive())
        m_refresh.start();
}

// A hidden window shows nothing: it catches up when it is shown.
void TStatistics::Refresh() {
    m_refresh.stop();
    if (!isVisible())
        return;
    const zevo::LogStatistics& statistics = m_feed.Statistics();
    ShowCounts(statistics);
    ShowRates(statistics);
    ShowChart(statistics);
}

void TStatistics::ShowCounts(const zevo::LogStatistics& statistics) {
    const auto show = [this](int row, int column, int value) {
        BandTable->item(row, column)->setText(QString::number(value));
    };
    int ssb = 0;
    int cw = 0;
    for (int band = 0; band < zevo::BandCount; ++band) {
        const int bandSsb = statistics.Counts(band, true).contacts;
        const int bandCw = statistics.Counts(band, false).contacts;
        const zevo::ContactCounts both = statistics.Counts(band);
        show(band, SsbColumn, bandSsb);
        show(band, CwColumn, bandCw);
        show(band, CallsColumn, both.calls);
        show(band, DupesColumn, both.dupes);
        ssb += bandSsb;
        cw += bandCw;
    }
    const zevo::ContactCounts totals = statistics.Totals();
    show(TotalRow, SsbColumn, ssb);
    show(TotalRow, CwColumn, cw);
    show(TotalRow, CallsColumn, totals.calls);
    show(TotalRow, DupesColumn, totals.dupes);
}

void TStatistics::ShowRates(const zevo::LogStatistics& statistics) {
    LastTenRate->setText(Rounded(statistics.LastTenRate()));
    LastSixtyMinutes->setText(QString::number(statistics.LastSixtyMinutes()));
    BestSixtyMinutes->setText(QString::number(statistics.BestSixtyMinutes()));
    const std::size_t hours = statistics.ContactsPerHour().size();
    HourlyAverage->setText(
        Rounded(hours == 0 ? 0 : statistics.Totals().contacts / static_cast<double>(hours)));
}

// The bars change in place while the hours stay the same, as they do for most contacts added: Qt Charts
// then moves the bars that changed instead of laying out the whole chart again.
void TStatistics::ShowChart(const zevo::LogStatistics& statistics) {
    const std::vector<zevo::HourContacts> hours = statistics.ContactsPerHour();
    const std::vector<HourBar> bars = HourBars(hours);
    const bool withDate = !hours.empty() && hours.front().date != hours.back().date;
    QStringList labels;
    int most = 0;
    for (const HourBar& bar : bars) {
        labels << HourLabel(bar.hour, withDate);
        int contacts = 0;
        for (const int bandContacts : bar.bands)
            contacts += bandContacts;
        most = std::max(most, contacts);
    }
    const bool sameHours = labels == m_hourLabels;
    if (!sameHours) {
        m_hourAxis->setCategories(labels);
        m_hourAxis->setLabelsAngle(withDate ? -90 : 0);
        m_hourLabels = labels;
    }
    for (std::size_t band = 0; band < m_bandBars.size(); ++band) {
        QBarSet* set = m_bandBars[band];
        if (!sameHours) {
            QList<qreal> values;
            for (const HourBar& bar : bars)
                values << bar.bands[band];
            set->remove(0, set->count());
            set->append(values);
            continue;
        }
        for (std::size_t i = 0; i < bars.size(); ++i) {
            const auto index = static_cast<int>(i);
            if (set->at(index) != bars[i].bands[band])
                set->replace(index, bars[i].bands[band]);
        }
    }
    const int step = AxisStep(std::max(most, 1));
    m_contactAxis->setTickInterval(step);
    m_contactAxis->setTickAnchor(0);
    const int top = (std::max(most, 1) + step - 1) / step * step;
    m_contactAxis->setRange(0, top);
}

void TStatistics::SaveChartClick() {
    const std::optional<QString> fileName =
        ChooseFileToWrite(m_desktop, this, QStringLiteral("statistics.png"),
                          tr("PNG pictures|*.png|All files|*.*"), Dismissed::WritesNothing);
    if (!fileName)
        return;
    // The picture is made in memory and written as any file of the program is: a failure says why in
    // the uniform error box and leaves an earlier file as it was.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    Chart->grab().save(&buffer, "PNG");
    zevo::AtomicTextFile file(QFile::encodeName(*fileName).toStdString());
    file.Write(std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
    file.Commit();
}
