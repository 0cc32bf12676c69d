#include "analysis/weight_window.h"

#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

#include "analysis/chart_data.h"
#include "analysis/every_gear.h"
#include "analysis/figure_table.h"
#include "analysis/weight_shares.h"
#include "commands/setting_commands.h"
#include "files/data_path.h"
#include "files/gear_list.h"
#include "help/help_pages.h"
#include "help/help_window.h"
#include "text/cell_codec.h"
#include "timeslip/strip_run.h"

namespace gyrant {
namespace {

QString Shown(double value) {
    return QString::fromStdString(Figure(value));
}

// A vehicle's heading over three short lines, the vehicle's name on top ("Baseline", "Total",
// "Eq. Wt"), so that every column fits the window's width.
QString Stacked(const std::string& heading) {
    QString text = FromCell(heading);
    for (const char* vehicle : {VehicleName(kBaseline), VehicleName(kProposed)})
        if (text.startsWith(QString::fromLatin1(vehicle) + QLatin1Char(' ')))
            return text.section(QLatin1Char(' '), 0, 0) + QLatin1Char('\n') +
                   text.section(QLatin1Char(' '), 1, 1) + QLatin1Char('\n') +
                   text.section(QLatin1Char(' '), 2);
    return text;
}

}  // namespace

WeightWindow::WeightWindow(const Worksheet& sheet, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), m_sheet(sheet) {
    setObjectName(QStringLiteral("frmWeightGoes"));
    setWindowTitle(QStringLiteral("Where the Weight Goes"));
    m_tabs = new QTabWidget(this);
    m_tabs->addTab(BuildStudiedTab(), QStringLiteral("In the Gear Studied"));
    m_tabs->addTab(BuildGearsTab(), QStringLiteral("In Every Gear"));
    m_strip = new StripTab(sheet, dialogs, m_tabs);
    m_tabs->addTab(m_strip, QStringLiteral("On the Strip"));
    connect(m_strip, &StripTab::entryKept, this, &WeightWindow::runEntryKept);
    connect(m_strip, &StripTab::helpClicked, this, &WeightWindow::ShowHelp);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    auto* print = new QPushButton(QStringLiteral("&Print"), this);
    print->setObjectName(QStringLiteral("cmdPrint"));
    layout->addWidget(print, 0, Qt::AlignRight);
    connect(print, &QPushButton::clicked, this, &WeightWindow::printClicked);
    auto* keys = new QShortcut(QKeySequence::Print, this);
    connect(keys, &QShortcut::activated, this, &WeightWindow::printClicked);
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, &WeightWindow::ShowHelp);
    m_transmissions =
        LoadTrans(DataPath(sheet.setup.ProgramFolder, {"CALC", "trans"})).transmissions;
    m_transmissionList->addItem(QStringLiteral("(typed ratios)"));
    m_ratios->setText(FromCell(ReadGearList(sheet)));
    for (const Transmission& t : m_transmissions) m_transmissionList->addItem(FromCell(t.name));
    // As large as the work needs, never beyond the screen, whatever the texts it echoes.
    QSize room = screen()->availableGeometry().size();
    setMaximumSize(room);
    resize(std::min(960, room.width()), std::min(720, room.height() - 40));
}

void WeightWindow::ShowHelp() {
    int topic = m_tabs->currentWidget() == m_strip ? kStripHelpTopic : kWeightHelpTopic;
    (new HelpWindow(m_sheet.setup.ProgramFolder, topic, this))->show();
}

void WeightWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Refresh();
}

QWidget* WeightWindow::BuildStudiedTab() {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    m_answer = new QLabel(tab);
    m_answer->setWordWrap(true);
    QFont bold = m_answer->font();
    bold.setBold(true);
    m_answer->setFont(bold);
    m_option = new QLabel(tab);
    m_setProposedWeight = new QPushButton(tab);
    m_setProposedWeight->setObjectName(QStringLiteral("cmdSetProposedWeight"));
    m_setProposedWeight->hide();
    connect(m_setProposedWeight, &QPushButton::clicked, this,
            [this] { emit proposedWeightChosen(m_proposedWeight); });
    m_parts = NewFigureTable(tab);
    m_partsChart = new BarChart;
    auto* scroll = new QScrollArea(tab);
    scroll->setWidget(m_partsChart);
    scroll->setWidgetResizable(true);
    layout->addWidget(m_answer);
    layout->addWidget(m_setProposedWeight, 0, Qt::AlignLeft);
    layout->addWidget(m_option);
    layout->addWidget(scroll, 2);
    layout->addWidget(m_parts, 1);
    return tab;
}

QWidget* WeightWindow::BuildGearsTab() {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    m_transmissionList = new QComboBox(tab);
    // A long name in the transmissions file widens the open list, not the window.
    m_transmissionList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_transmissionList->setMinimumContentsLength(40);
    m_ratios = new QLineEdit(tab);
    m_ratios->setPlaceholderText(QStringLiteral("Up to 8 gear ratios, e.g. 2.52, 1.52, 1.00"));
    m_ratiosNote = new QLabel(tab);
    // The note echoes what was typed or kept: it wraps within the window and never widens it.
    m_ratiosNote->setWordWrap(true);
    m_ratiosNote->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_gears = NewFigureTable(tab);
    m_gearsChart = new BarChart(tab);
    for (QWidget* w : std::initializer_list<QWidget*>{m_transmissionList, m_ratios, m_ratiosNote})
        layout->addWidget(w);
    // The chart as tall as its bars, the table taking the rest.
    m_gearsChart->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
    layout->addWidget(m_gears, 1);
    layout->addWidget(m_gearsChart);
    connect(m_transmissionList, &QComboBox::activated, this, &WeightWindow::PickTransmission);
    connect(m_ratios, &QLineEdit::editingFinished, this, &WeightWindow::Refresh);
    return tab;
}

void WeightWindow::Refresh() {
    if (!isVisible()) return;
    // The gears first: the answer's seconds are run over the gears shown.
    ShowGears();
    ShowShares();
}

void WeightWindow::ShowShares() {
    WeightShares shares = ShareOfEachPart(m_sheet);
    bool two = shares.twoVehicles;
    m_answer->setText(FromCell(PlainAnswer(shares, SecondsClauseOf(m_sheet, m_shownRatios))));
    m_option->setText(FromCell(WeightOptionNote(shares)));
    m_proposedWeight = ProposedWeightText(shares);
    m_setProposedWeight->setText(FromCell(SetProposedWeightLabel(shares)));
    m_setProposedWeight->setVisible(shares.adjusted);
    std::vector<QStringList> lines;
    for (const WeightShare& part : shares.parts) lines.push_back(Texts(ShareCells(part, two)));
    lines.push_back(Texts(ShareCells(shares.rotatingTotal, two)));
    lines.push_back(Texts(ShareCells(shares.vehicleTotal, two)));
    FillFigureTable(m_parts, Texts(ShareColumnHeadings(two)), lines);
    m_partsChart->SetChart(gyrant::PartsChart(shares.parts, two));
}

void WeightWindow::PickTransmission(int index) {
    if (index <= 0 || index > static_cast<int>(m_transmissions.size())) return;
    m_ratios->setText(FromCell(TypedRatios(m_transmissions[static_cast<std::size_t>(index - 1)])));
    Refresh();
}

void WeightWindow::ShowGears() {
    std::string typed = ToCell(m_ratios->text());
    GearRatiosRead read = GearRatiosCommand(m_sheet, typed);
    m_ratiosNote->setText(read.outcome.ok ? QStringLiteral("* the gear studied (row 4)")
                                          : FromCell(read.outcome.message));
    // Ratios refused leave both tabs on the gears shown before.
    if (read.outcome.ok) m_shownRatios = read.ratios;
    m_strip->Show(m_shownRatios);
    if (!read.outcome.ok) return;
    bool two = m_sheet.document.TwoVehicles == 1;
    QStringList headings;
    for (const std::string& heading : GearColumnHeadings(two)) headings << Stacked(heading);
    std::vector<QStringList> lines;
    m_shownGears = FiguresInEveryGear(m_sheet, read.ratios);
    for (std::size_t g = 0; g < m_shownGears.size(); ++g) {
        QStringList line = {QString::fromStdString(GearLabel(g, m_shownGears[g]))};
        for (double value : GearColumnValues(m_shownGears[g], two)) line << Shown(value);
        lines.push_back(line);
    }
    FillFigureTable(m_gears, headings, lines);
    m_gearsChart->SetChart(GearsChart(m_shownGears, two));
}

}  // namespace gyrant
