#include "shell/tmainform.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "db/engineloader.h"
#include "db/tdatefield.h"
#include "db/tfloatfield.h"
#include "db/views/fieldtext.h"
#include "db/views/tdbgrid.h"
#include "shell/taboutbox.h"
#include "shell/units.h"
#include "sysutils/numberformat.h"
#include "vcl/tshape.h"
#include "weightlog/getname.h"
#include "weightlog/tnewfiledlg.h"

TMainForm* MainForm = nullptr;

namespace {

constexpr const char* kDataFor = " Data for:  ";

QString FromStd(const std::string& text) {
    return QString::fromStdString(text);
}

QString FromStd(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::chrono::sys_days LocalDate() {
    const QDate today = QDate::currentDate();
    return std::chrono::sys_days{std::chrono::year{today.year()} /
                                 std::chrono::month{static_cast<unsigned>(today.month())} /
                                 std::chrono::day{static_cast<unsigned>(today.day())}};
}

}  // namespace

TMainForm::TMainForm(SettingsStore settings)
    : Today(LocalDate),
      Table1([]() -> db::Engine& { return db::DatabaseEngine(); }),
      settings_(std::move(settings)) {
    setObjectName("MainForm");
    setWindowTitle("Bodelog V1.0");
    resize(618, 414);
    CreateTable();
    OpenDialog1 = {"Bodelog Open Data File", "Bodelog file|*.DB", "db", true};
    CreateHeader();
    CreatePages();
    CreateStatusBar();
    CreateMenu();
    BindEvents();
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

TMainForm::~TMainForm() {
    // The grid, a child widget, outlives Table1 (a member): let go first.
    DBGrid1->SetDataSet(nullptr);
    if (MainForm == this) {
        MainForm = nullptr;
    }
}

void TMainForm::CreateTable() {
    Table1DATE = Table1.AddDateField("DATE");
    Table1WEIGHT = Table1.AddFloatField("WEIGHT");
    Table1WEIGHT->SetRequired(true);
    Table1WEIGHTKG = Table1.AddFloatField("WEIGHTKG", db::TFieldKind::fkCalculated);
    for (db::TFloatField* field : {Table1WEIGHT, Table1WEIGHTKG}) {
        field->SetDisplayFormat("####.0");
        field->SetEditFormat("####.0");
        field->SetMaxValue(999.5);
        field->SetMinValue(0);
    }
    Table1.SetAutoCalcFields(false);
}

void TMainForm::CreateHeader() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setCentralWidget(central);

    Panel1 = new QLabel(kDataFor, central);
    Panel1->setObjectName("Panel1");
    Panel1->setFixedHeight(25);
    Panel1->setFrameShape(QFrame::Box);
    Panel1->setAutoFillBackground(true);
    QPalette colours = Panel1->palette();
    colours.setColor(QPalette::Window, palette().color(QPalette::Inactive, QPalette::Highlight));
    colours.setColor(QPalette::WindowText, palette().color(QPalette::HighlightedText));
    Panel1->setPalette(colours);
    QFont bold = Panel1->font();
    bold.setBold(true);
    Panel1->setFont(bold);
    Panel1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    layout->addWidget(Panel1);

    auto makeShape = [this](const char* name, vcl::TShape::TShapeType type, QColor colour,
                            QRect geometry) {
        auto* shape = new vcl::TShape(Panel1);
        shape->setObjectName(name);
        shape->SetShape(type);
        shape->SetBrushColor(colour);
        shape->setGeometry(geometry);
        shape->setToolTip("Traffic Light");
        return shape;
    };
    Shape4 = makeShape("Shape4", vcl::TShape::stRoundRect, Qt::black, {270, 2, 66, 17});
    GreenLight = makeShape("GreenLight", vcl::TShape::stCircle, Qt::darkCyan, {275, 3, 17, 14});
    YellowLight = makeShape("YellowLight", vcl::TShape::stCircle, Qt::darkYellow, {296, 3, 17, 14});
    RedLight = makeShape("RedLight", vcl::TShape::stCircle, Qt::darkRed, {316, 3, 17, 14});
}

void TMainForm::CreatePages() {
    PageControl1 = new QTabWidget(centralWidget());
    PageControl1->setObjectName("PageControl1");
    vcl::SetHelpContext(PageControl1, 12);
    centralWidget()->layout()->addWidget(PageControl1);
    auto addPage = [this](const char* name, const char* caption, int helpContext) {
        auto* page = new QWidget(PageControl1);
        page->setObjectName(name);
        vcl::SetHelpContext(page, helpContext);
        PageControl1->addTab(page, caption);
        return page;
    };
    Main = addPage("Main", "   Main   ", 13);
    Week = addPage("Week", "   Week   ", 14);
    Day = addPage("Day", "   Day   ", 15);
    Future = addPage("Future", "   Future   ", 16);
    Goal = addPage("Goal", "   Goal   ", 17);
    Calculate = addPage("Calculate", "Calculate", 18);
    Entries = addPage("Entries", "   Entries   ", 19);
    CreateMainPage();
    CreateWeekPage();
    CreateDayPage();
    CreateFuturePage();
    CreateGoalPage();
    CreateCalculatePage();
    CreateEntriesPage();
}

void TMainForm::CreateGoalPage() {
    auto* layout = new QVBoxLayout(Goal);
    CreateGoalTop(layout);
    layout->addStretch();
    CreateCalorieArea(layout);
}

void TMainForm::CreateEntriesPage() {
    auto* layout = new QVBoxLayout(Entries);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* top = new QHBoxLayout;
    top->addWidget(CreateEntriesChart(), 1);
    DBGrid1 = new db::views::TDBGrid(Entries);
    DBGrid1->setObjectName("DBGrid1");
    // The date column grows when the regional short date is wider than the
    // usual eight characters, so no date is cut off.
    const QString widestDate = db::views::ShortDateText(
        std::chrono::sys_days{std::chrono::year{2028} / 12 / 28}, QLocale::system());
    const int dateWidth = std::max(71, DBGrid1->fontMetrics().horizontalAdvance(widestDate) + 10);
    DBGrid1->setFixedWidth(279 + dateWidth - 71);
    DBGrid1->SetColumns({{"DATE", "Date", Qt::AlignLeft, dateWidth, true},
                         {"WEIGHT", "Weight lbs", Qt::AlignHCenter, 86, true},
                         {"WEIGHTKG", "Weight kg", Qt::AlignHCenter, 86, true}});
    DBGrid1->SetDataSet(&Table1);
    top->addWidget(DBGrid1);
    layout->addLayout(top);

    Panel2 = new QWidget(Entries);
    Panel2->setObjectName("Panel2");
    Panel2->setFixedHeight(32);
    AddTodayButton = new QPushButton("Add &Today's", Panel2);
    AddTodayButton->setObjectName("AddTodayButton");
    AddTodayButton->setGeometry(5, 4, 75, 25);
    SetAddTodayTag(1);
    EditWeightButton = new QPushButton("E&dit Weight", Panel2);
    EditWeightButton->setObjectName("EditWeightButton");
    EditWeightButton->setGeometry(88, 4, 75, 25);
    layout->addWidget(Panel2);
}

void TMainForm::CreateStatusBar() {
    auto* bar = statusBar();
    bar->setObjectName("StatusBar1");
    const std::array<int, 2> widths{185, 50};
    for (std::size_t i = 0; i < StatusBar1Panels.size(); ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QString("StatusBar1Panel%1").arg(i));
        panel->setMinimumWidth(widths[i]);
        bar->addWidget(panel);
        StatusBar1Panels[i] = panel;
    }
    StatusBar1Panels[0]->setText(FromStd(units::MeasurementText(units::UnitSystem::Imperial)));
}

QMenu* TMainForm::AddSubmenu(const char* name, const char* caption, int helpContext) {
    QMenu* menu = menuBar()->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    vcl::SetHelpContext(menu->menuAction(), helpContext);
    return menu;
}

QAction* TMainForm::AddMenuItem(QMenu* menu, const char* name, const char* caption,
                                int helpContext) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    vcl::SetHelpContext(item, helpContext);
    return item;
}

void TMainForm::CreateMenu() {
    menuBar()->setObjectName("MainMenu1");
    QMenu* file = AddSubmenu("File1", "&File", 4);
    File1 = file->menuAction();
    New1 = AddMenuItem(file, "New1", "&New", 5);
    Open1 = AddMenuItem(file, "Open1", "&Open", 6);
    file->addSeparator()->setObjectName("N3");
    Exit1 = AddMenuItem(file, "Exit1", "E&xit", 7);

    QMenu* options = AddSubmenu("Options1", "&Options", 8);
    Options1 = options->menuAction();
    AutoEntryatStartup1 = AddMenuItem(options, "AutoEntryatStartup1", "&Auto Entry at Startup", 9);
    AutoEntryatStartup1->setCheckable(true);
    options->addSeparator()->setObjectName("N2");
    Imperial1 = AddMenuItem(options, "Imperial1", "&Imperial", 10);
    Metric1 = AddMenuItem(options, "Metric1", "&Metric", 11);
    unitGroup_ = new QActionGroup(this);
    for (QAction* item : {Imperial1, Metric1}) {
        item->setCheckable(true);
        unitGroup_->addAction(item);
    }
    CheckUnit(true);

    QMenu* window = AddSubmenu("Window1", "&Window", 12);
    Window1 = window->menuAction();
    Main1 = AddMenuItem(window, "Main1", "&Main", 13);
    Week1 = AddMenuItem(window, "Week1", "Wee&k", 14);
    Day1 = AddMenuItem(window, "Day1", "&Day", 15);
    Future1 = AddMenuItem(window, "Future1", "F&uture", 16);
    Goal1 = AddMenuItem(window, "Goal1", "&Goal", 17);
    Calculate1 = AddMenuItem(window, "Calculate1", "&Calculate", 18);
    Entries1 = AddMenuItem(window, "Entries1", "E&ntries", 19);

    QMenu* help = AddSubmenu("Help1", "&Help", 20);
    Help1 = help->menuAction();
    Contents1 = AddMenuItem(help, "Contents1", "&Contents", 21);
    Find1 = AddMenuItem(help, "Find1", "&Find", 22);
    help->addSeparator()->setObjectName("N1");
    About1 = AddMenuItem(help, "About1", "&About", 23);
}

void TMainForm::BindEvents() {
    using vcl::Bind;
    const std::array<std::pair<QAction*, void (TMainForm::*)()>, 16> items{{
        {New1, &TMainForm::New1Click},
        {Open1, &TMainForm::Open1Click},
        {Exit1, &TMainForm::Exit1Click},
        {AutoEntryatStartup1, &TMainForm::AutoEntryatStartup1Click},
        {Imperial1, &TMainForm::Imperial1Click},
        {Metric1, &TMainForm::Metric1Click},
        {Main1, &TMainForm::Main1Click},
        {Week1, &TMainForm::Week1Click},
        {Day1, &TMainForm::Day1Click},
        {Future1, &TMainForm::Future1Click},
        {Goal1, &TMainForm::Goal1Click},
        {Calculate1, &TMainForm::Calculate1Click},
        {Entries1, &TMainForm::Entries1Click},
        {Contents1, &TMainForm::Contents1Click},
        {Find1, &TMainForm::Find1Click},
        {About1, &TMainForm::About1Click},
    }};
    for (const auto& [item, handler] : items) {
        Bind(item, &QAction::triggered, this, [this, handler = handler] { (this->*handler)(); });
    }
    // Qt checks a radio item before its handler runs; note that the click
    // found it unchecked, as the handlers must know.
    for (QAction* item : {Imperial1, Metric1}) {
        connect(item, &QAction::toggled, this, [this](bool on) {
            if (on) {
                unitClickedWhileUnchecked_ = true;
            }
        });
    }
    Bind(AddTodayButton, &QPushButton::clicked, this, [this] { AddTodayButtonClick(); });
    Bind(EditWeightButton, &QPushButton::clicked, this, [this] { EditWeightButtonClick(); });
    Bind(DBGrid1, &db::views::TDBGrid::RowDoubleClicked, this, [this] { EditWeightButtonClick(); });
    Bind(DBGrid1, &db::views::TDBGrid::KeyReleased, this, [this] { DBGrid1KeyDown(); });
    BindGoalEvents();
    Table1.AfterPost = [this](db::TTable&) { Table1AfterPost(); };
    Table1.OnCalcFields = [this](db::TTable&) { Table1CalcFields(); };
    Table1.BeforeDelete = [this](db::TTable&) { Table1BeforeDelete(); };
}

int TMainForm::AddTodayTag() const {
    return AddTodayButton->property("Tag").toInt();
}

void TMainForm::SetAddTodayTag(int tag) {
    AddTodayButton->setProperty("Tag", tag);
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!std::exchange(activated_, true)) {
        // After the show, as the window system activates a shown window.
        QMetaObject::invokeMethod(
            this, [this] { vcl::Application().Guard([this] { FormActivate(); }); },
            Qt::QueuedConnection);
    }
}

void TMainForm::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    QCoreApplication::quit();
}

void TMainForm::CheckUnit(bool imperial) {
    const QSignalBlocker imperialBlocker(Imperial1);
    const QSignalBlocker metricBlocker(Metric1);
    // Both marks set here: with the signals blocked, the group cannot
    // uncheck the other item itself.
    Imperial1->setChecked(imperial);
    Metric1->setChecked(!imperial);
}

units::UnitSystem TMainForm::DisplayUnit() const {
    return Imperial1->isChecked() ? units::UnitSystem::Imperial : units::UnitSystem::Metric;
}

void TMainForm::FormActivate() {
    const ActivationSettings settings = settings_.ReadActivationSettings(currentFile_);

    CheckUnit(settings.pounds);
    const auto unit = settings.pounds ? units::UnitSystem::Imperial : units::UnitSystem::Metric;
    StatusBar1Panels[0]->setText(FromStd(units::MeasurementText(unit)));

    const auto captions = units::WeightClassCaptions(unit);
    for (std::size_t i = 0; i < CaLabels.size(); ++i) {
        CaLabels[i]->setText(FromStd(captions[i]));
    }

    AutoEntryatStartup1->setChecked(settings.autoEntry);

    if (currentFile_.empty()) {
        New1Click();
        return;
    }

    Table1.SetTableName(currentFile_);
    Table1.Open();

    Panel1->setText(kDataFor + FromStd(GetName(currentFile_)));

    const double goal = Imperial1->isChecked()
                            ? static_cast<double>(settings.goal)
                            : static_cast<double>(settings.goal) * units::kKilogramsPerPound;
    GoalLabel->setText(FromStd(sysutils::FormatFloat("###0.0", goal)));

    if (AutoEntryatStartup1->isChecked()) {
        AddTodayButtonClick();
    }
}

void TMainForm::New1Click() {
    vcl::Application().ShowModal(*NewFileDlg);
}

void TMainForm::Open1Click() {
    OpenDialog1.defaultExtension = "DB";
    const std::optional<QString> chosen = vcl::Application().RunOpenDialog(OpenDialog1, this);
    if (!chosen) {
        return;
    }
    SetRegInfo(1, chosen->toStdString(), false, 0.0f);
    SetAddTodayTag(1);
    Table1.Close();
    FormActivate();
}

void TMainForm::Exit1Click() {
    QCoreApplication::quit();
}

void TMainForm::Main1Click() {
    PageControl1->setCurrentWidget(Main);
}
void TMainForm::Week1Click() {
    PageControl1->setCurrentWidget(Week);
}
void TMainForm::Day1Click() {
    PageControl1->setCurrentWidget(Day);
}
void TMainForm::Future1Click() {
    PageControl1->setCurrentWidget(Future);
}
void TMainForm::Goal1Click() {
    PageControl1->setCurrentWidget(Goal);
}
void TMainForm::Calculate1Click() {
    PageControl1->setCurrentWidget(Calculate);
}
void TMainForm::Entries1Click() {
    PageControl1->setCurrentWidget(Entries);
}

void TMainForm::Contents1Click() {
    vcl::Application().HelpCommand(vcl::HELP_FINDER, {}, this);
}

void TMainForm::Find1Click() {
    vcl::Application().HelpCommand(vcl::HELP_KEY, {}, this);
}

void TMainForm::About1Click() {
    vcl::Application().ShowModal(*AboutBox);
}

void TMainForm::SetRegInfo(int selector, const std::string& text, bool flag, float number) {
    settings_.SetRegInfo(selector, text, flag, number);
}

void TMainForm::AutoEntryatStartup1Click() {
    // The menu item's click has flipped the check mark already.
    SetRegInfo(2, "", AutoEntryatStartup1->isChecked(), 0.0f);
}

void TMainForm::SwitchUnit(QAction* item, bool pounds) {
    const bool wasUnchecked =
        std::exchange(unitClickedWhileUnchecked_, false) || !item->isChecked();
    if (wasUnchecked) {
        CheckUnit(pounds);
        SetRegInfo(3, "", pounds, 0.0f);
    }
    SetAddTodayTag(1);
    Table1.Close();
    FormActivate();
}

void TMainForm::Imperial1Click() {
    SwitchUnit(Imperial1, true);
}

void TMainForm::Metric1Click() {
    SwitchUnit(Metric1, false);
}
