// The analysis pages' charts as the window first shows them: the rows of
// gauges of the level charts, the bars of the change charts, their axis
// labels, captions and read-outs, each with its design value until the
// first recalculation pass.
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <array>
#include <span>
#include <string>

#include "shell/tmainform.h"
#include "vcl/tgauge.h"
#include "vcl/tshape.h"

namespace {

constexpr int kGaugeHeight = 201;
constexpr int kLabelHeight = 15;
constexpr int kLevelLabelWidth = 44;
constexpr int kChangeLabelX = 16;
constexpr int kChangeLabelWidth = 50;
constexpr int kBarWidth = 33;
constexpr int kBarStep = 48;
constexpr int kBarX = 96;
constexpr int kTallestBar = 121;
constexpr int kReadoutX = 472;

// Where a level chart's gauges stand on its page.
struct LevelChartPlace {
    int x;
    int y;
    int gaugeWidth;
    int gaugeStep;
    std::array<int, 5> labelY;
};

constexpr LevelChartPlace kWideChart{79, 45, 5, 6, {40, 90, 140, 189, 239}};
constexpr LevelChartPlace kEntriesChart{56, 24, 7, 8, {16, 67, 119, 170, 221}};
constexpr std::array<int, 7> kChangeLabelY{16, 57, 97, 138, 178, 219, 259};
constexpr std::array<int, 4> kReadoutY{232, 176, 120, 56};  // the edits numbered 1 to 4

QLabel* AddLabel(QWidget* page, const QString& text, QRect geometry,
                 Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = new QLabel(text, page);
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    return label;
}

void AddTitle(QWidget* page, const char* title, int centreX, int y) {
    QLabel* label = AddLabel(page, title, {centreX - 200, y, 400, 20}, Qt::AlignCenter);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    label->setFont(font);
}

// Too narrow for two letters, the caption wraps at every space and stands
// letter over letter beside the value axis.
void AddVerticalCaption(QWidget* page, int y) {
    QLabel* label = AddLabel(page, "W e i g h t", {6, y, 14, 110}, Qt::AlignCenter);
    label->setWordWrap(true);
}

// The white ground inside a sunken bevel that a row of gauges stands on.
void AddChartGround(QWidget* page, QRect gauges) {
    auto* bevel = new QFrame(page);
    bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bevel->setGeometry(gauges.adjusted(-4, -4, 4, 4));
    auto* ground = new QWidget(page);
    ground->setAutoFillBackground(true);
    QPalette white = ground->palette();
    white.setColor(QPalette::Window, Qt::white);
    ground->setPalette(white);
    ground->setGeometry(gauges.adjusted(-2, -2, 2, 2));
}

template <std::size_t N>
void AddLevelChart(QWidget* page, const char* gaugeName, const LevelChartPlace& place,
                   std::array<vcl::TGauge*, N>& gauges, std::array<QLabel*, 5>& labels,
                   const std::array<const char*, 5>& labelNames) {
    const int width = place.gaugeStep * static_cast<int>(N - 1) + place.gaugeWidth;
    AddChartGround(page, {place.x, place.y, width, kGaugeHeight});
    for (std::size_t i = 0; i < N; ++i) {
        auto* gauge = new vcl::TGauge(page);
        gauge->setObjectName(QString("%1%2").arg(gaugeName).arg(i + 1));
        gauge->setGeometry(place.x + place.gaugeStep * static_cast<int>(i), place.y,
                           place.gaugeWidth, kGaugeHeight);
        gauge->SetProgress(50);
        gauges[i] = gauge;
    }
    const std::array<const char*, 5> designTexts{"100.0", "75", "50", "25", "0"};
    for (std::size_t i = 0; i < labels.size(); ++i) {
        labels[i] = AddLabel(
            page, designTexts[i],
            {place.x - 8 - kLevelLabelWidth, place.labelY[i], kLevelLabelWidth, kLabelHeight},
            Qt::AlignRight | Qt::AlignVCenter);
        labels[i]->setObjectName(labelNames[i]);
    }
}

// Captions spread under a level chart: the first at its left end, the last
// at its right end, the others between.
void AddLevelCaptions(QWidget* page, const LevelChartPlace& place, int gauges,
                      std::span<const char* const> captions) {
    const int width = place.gaugeStep * (gauges - 1) + place.gaugeWidth;
    const int y = place.y + kGaugeHeight + 6;
    const int last = static_cast<int>(captions.size()) - 1;
    for (int i = 0; i <= last; ++i) {
        const int centre = place.x + (last == 0 ? width / 2 : width * i / last);
        const Qt::Alignment alignment = i == 0 && last > 0      ? Qt::AlignLeft
                                        : i == last && last > 0 ? Qt::AlignRight
                                                                : Qt::AlignHCenter;
        const int left = alignment == Qt::AlignLeft    ? centre
                         : alignment == Qt::AlignRight ? centre - 80
                                                       : centre - 40;
        AddLabel(page, captions[static_cast<std::size_t>(i)], {left, y, 80, kLabelHeight},
                 alignment | Qt::AlignVCenter);
    }
}

template <std::size_t N>
void AddChangeChart(QWidget* page, const char* shapeName, std::array<vcl::TShape*, N>& shapes,
                    std::array<QLabel*, 6>& labels, const std::array<const char*, 6>& labelNames,
                    const char* zeroName, const std::array<const char*, N>& captions) {
    const int right = kBarX + kBarStep * static_cast<int>(N - 1) + kBarWidth + 16;
    auto* zeroLine = new QFrame(page);
    zeroLine->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    zeroLine->setGeometry(kChangeLabelX + kChangeLabelWidth + 8, 143,
                          right - kChangeLabelX - kChangeLabelWidth - 8, 2);
    for (std::size_t i = 0; i < N; ++i) {
        auto* shape = new vcl::TShape(page);
        shape->setObjectName(QString("%1%2").arg(shapeName).arg(i + 1));
        const QColor caption = shape->palette().color(QPalette::Active, QPalette::Highlight);
        shape->SetBrushColor(caption);
        shape->SetPenColor(caption);
        const int x = kBarX + kBarStep * static_cast<int>(i);
        shape->setGeometry(x, 144, kBarWidth, kTallestBar);
        shapes[i] = shape;
        AddLabel(page, captions[i], {x - 8, 144 + kTallestBar + 4, kBarWidth + 16, kLabelHeight},
                 Qt::AlignCenter);
    }
    const std::array<const char*, 7> texts{"1000.0", "666.6",  "333.3",  "0",
                                           "-333.3", "-666.6", "-1000.0"};
    std::size_t named = 0;
    for (std::size_t row = 0; row < texts.size(); ++row) {
        QLabel* label = AddLabel(
            page, texts[row], {kChangeLabelX, kChangeLabelY[row], kChangeLabelWidth, kLabelHeight},
            Qt::AlignRight | Qt::AlignVCenter);
        if (row == 3) {
            label->setObjectName(zeroName);
            continue;
        }
        label->setObjectName(labelNames[named]);
        labels[named++] = label;
    }
}

QLineEdit* AddReadout(QWidget* page, const char* name, const char* caption, int y) {
    AddLabel(page, caption, {kReadoutX, y - kLabelHeight - 1, 100, kLabelHeight});
    auto* edit = new QLineEdit("100.0", page);
    edit->setObjectName(name);
    edit->setGeometry(kReadoutX, y, 73, 21);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::ClickFocus);
    QFont bold = edit->font();
    bold.setBold(true);
    edit->setFont(bold);
    QPalette face = edit->palette();
    face.setColor(QPalette::Base, face.color(QPalette::Button));
    edit->setPalette(face);
    return edit;
}

}  // namespace

void TMainForm::CreateMainPage() {
    AddTitle(Main, "Your Weight Trend", kWideChart.x + 180, 12);
    AddVerticalCaption(Main, 90);
    AddLevelChart(Main, "AvgGauge", kWideChart, AvgGauge, AvgChartLabels,
                  {"AvgChartHigh", "AvgChartMidH", "AvgChartMid", "AvgChartMidL", "AvgChartLow"});
    const std::array<const char*, 3> captions{"60 Days Ago", "30 Days Ago", "Today"};
    AddLevelCaptions(Main, kWideChart, static_cast<int>(AvgGauge.size()), captions);
    const std::array<const char*, 4> names{"MainEdit1", "MainEdit2", "MainEdit3", "MainEdit4"};
    const std::array<const char*, 4> readoutCaptions{"Today", "30 Days Ago", "60 Days Ago",
                                                     "Last Year"};
    for (std::size_t i = 0; i < MainEdit.size(); ++i) {
        MainEdit[i] = AddReadout(Main, names[i], readoutCaptions[i], kReadoutY[i]);
    }
}

void TMainForm::CreateFuturePage() {
    AddTitle(Future, "Your Future Weight Trend", kWideChart.x + 180, 12);
    AddVerticalCaption(Future, 90);
    AddLevelChart(Future, "FGauge", kWideChart, FGauge, FChartLabels,
                  {"FChartH", "FChartMidH", "FChartMid", "FChartMidL", "FChartL"});
    const std::array<const char*, 5> captions{"Today", "30 Days", "60 Days", "90 Days", "120 Days"};
    AddLevelCaptions(Future, kWideChart, static_cast<int>(FGauge.size()), captions);
    const std::array<const char*, 4> names{"FutureEdit1", "FutureEdit2", "FutureEdit3",
                                           "FutureEdit4"};
    const std::array<const char*, 4> readoutCaptions{"90 Days", "60 Days", "30 Days", "Today"};
    for (std::size_t i = 0; i < FutureEdit.size(); ++i) {
        FutureEdit[i] = AddReadout(Future, names[i], readoutCaptions[i], kReadoutY[i]);
    }
}

void TMainForm::CreateWeekPage() {
    AddTitle(Week, "Weight Loss By Week (Last 8 Weeks)", 280, 0);
    // The week chart's "0" has no name of its own.
    AddChangeChart(Week, "WeekShape", WeekShape, WLabels,
                   {"WLabelH", "WLabelM", "WLabelL", "WLabelLN", "WLabelMN", "WLabelHN"}, "",
                   {"Eight", "Seven", "Six", "Five", "Four", "Three", "Two", "One"});
}

void TMainForm::CreateDayPage() {
    AddTitle(Day, "Weight Loss By Day (Last 8 Weeks)", 280, 0);
    AddChangeChart(
        Day, "DayShape", DayShape, DayLabels,
        {"DayLabelH", "DayLabelM", "DayLabelL", "DayLabelLN", "DayLabelMN", "DayLabelHN"},
        "DayLabel", {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"});
}

QWidget* TMainForm::CreateEntriesChart() {
    auto* chart = new QWidget(Entries);
    chart->setObjectName("EntriesChart");
    AddLevelChart(
        chart, "EntryGauge", kEntriesChart, EntryGauge, EntryChartLabels,
        {"EntryChartHigh", "EntryChartMidH", "EntryChartMid", "EntryChartMidL", "EntryChartLow"});
    const std::array<const char*, 1> captions{"Last 30 days"};
    AddLevelCaptions(chart, kEntriesChart, static_cast<int>(EntryGauge.size()), captions);
    chart->setMinimumSize(kEntriesChart.x + 8 * 30 + 8, kEntriesChart.y + kGaugeHeight + 30);
    return chart;
}
