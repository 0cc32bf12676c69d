#include "analysis/strip_tab.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScrollArea>
#include <QVBoxLayout>

#include "analysis/figure_table.h"
#include "text/cell_codec.h"
#include "text/cell_text.h"
#include "timeslip/slip_charts.h"
#include "timeslip/slip_text.h"
#include "timeslip/straight_line_run.h"

namespace gyrant {
namespace {

QLabel* Wrapped(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QString Stored(const Worksheet& sheet, const std::string& key) {
    auto entry = sheet.document.RunEntries.find(key);
    return entry == sheet.document.RunEntries.end() ? QString() : FromCell(entry->second);
}

}  // namespace

StripTab::StripTab(const Worksheet& sheet, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), m_sheet(sheet), m_dialogs(dialogs) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(BuildInputs());
    m_message = Wrapped(page);
    layout->addWidget(m_message);
    m_results = new QWidget(page);
    auto* results = new QVBoxLayout(m_results);
    results->setContentsMargins(0, 0, 0, 0);
    results->addWidget(BuildSlips());
    results->addWidget(BuildCharts());
    results->addWidget(BuildParts());
    layout->addWidget(m_results);
    layout->addStretch();
    m_help = new QPushButton(QStringLiteral("&Help on the Strip"), page);
    m_help->setObjectName(QStringLiteral("cmdStripHelp"));
    connect(m_help, &QPushButton::clicked, this, &StripTab::helpClicked);
    layout->addWidget(m_help, 0, Qt::AlignRight);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(page);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
}

// Two entries a line, the torque curve across the whole line; an empty field shows what it
// stands for.
QWidget* StripTab::BuildInputs() {
    auto* box = new QGroupBox(QStringLiteral("The run's inputs (empty: the default shown)"));
    auto* grid = new QGridLayout(box);
    int at = 0;
    for (const EntryShown& shown : EntriesShown()) {
        auto* field = new QLineEdit(box);
        field->setObjectName(QString::fromStdString("txtRun-" + shown.key));
        auto* label = new QLabel(FromCell(shown.label), box);
        label->setBuddy(field);
        bool wide = shown.key == kTorqueCurveEntry;
        if (wide && at % 2 == 1) ++at;
        grid->addWidget(label, at / 2, (at % 2) * 2);
        grid->addWidget(field, at / 2, (at % 2) * 2 + 1, 1, wide ? 3 : 1);
        at += wide ? 2 : 1;
        m_entries[shown.key] = field;
        connect(field, &QLineEdit::textEdited, this, [this, key = shown.key] {
            m_typing = key;
            ShowRun(EntriesTyped(key));
        });
        connect(field, &QLineEdit::editingFinished, this,
                [this, key = shown.key] { FinishEntry(key); });
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return box;
}

// The slip, printed in the strip's fixed-width figures, beside what it says.
QWidget* StripTab::BuildSlips() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_slips = NewFigureTable(row);
    m_slips->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_slips->verticalHeader()->setDefaultSectionSize(m_slips->fontMetrics().height() + 4);
    m_slips->horizontalHeader()->setStretchLastSection(false);
    m_slips->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_slips->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* words = new QVBoxLayout;
    m_difference = Wrapped(row);
    QFont bold = m_difference->font();
    bold.setBold(true);
    m_difference->setFont(bold);
    m_gearsNote = Wrapped(row);
    m_estimate = Wrapped(row);
    for (QLabel* label : {m_difference, m_gearsNote, m_estimate}) words->addWidget(label);
    words->addStretch();
    layout->addWidget(m_slips, 0, Qt::AlignTop);
    layout->addLayout(words, 1);
    return row;
}

QWidget* StripTab::BuildCharts() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_speedChart = new LineChart(row);
    m_torqueChart = new LineChart(row);
    layout->addWidget(m_speedChart, 3);
    layout->addWidget(m_torqueChart, 2);
    return row;
}

QWidget* StripTab::BuildParts() {
    m_partsBox = new QGroupBox(QStringLiteral("Seconds bought by each part"));
    auto* layout = new QVBoxLayout(m_partsBox);
    auto* row = new QHBoxLayout;
    m_parts = NewFigureTable(m_partsBox);
    m_parts->horizontalHeader()->setStretchLastSection(false);
    m_parts->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_parts->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_partsChart = new BarChart(m_partsBox);
    row->addWidget(m_parts, 0, Qt::AlignTop);
    row->addWidget(m_partsChart, 1, Qt::AlignTop);
    m_partsSum = Wrapped(m_partsBox);
    layout->addLayout(row);
    layout->addWidget(m_partsSum);
    return m_partsBox;
}

void StripTab::Show(const std::vector<double>& ratios) {
    m_ratios = ratios;
    ShowEntries();
    ShowRun(m_sheet.document.RunEntries);
}

// Each field shows what the worksheet keeps, but for the one being typed in.
void StripTab::ShowEntries() {
    VehicleKind kind = KindOf(m_sheet, kBaseline);
    for (auto& [key, field] : m_entries) {
        QString placeholder = FromCell(EntryPlaceholder(key, m_sheet.document.RunEntries, kind));
        field->setPlaceholderText(placeholder);
        field->setToolTip(placeholder);
        if (key != m_typing && field->text() != Stored(m_sheet, key))
            field->setText(Stored(m_sheet, key));
    }
}

RunEntries StripTab::EntriesTyped(const std::string& key) const {
    RunEntries entries = m_sheet.document.RunEntries;
    std::string typed = ToCell(m_entries.at(key)->text());
    if (IsBlank(typed))
        entries.erase(key);
    else if (CheckEntry(key, typed).ok)
        entries[key] = std::string(TrimBlanks(typed));
    return entries;
}

// A good entry goes to be kept; one refused gets the usual warning, the kept text back and the
// focus to try again.
void StripTab::FinishEntry(const std::string& key) {
    if (m_warning) return;  // the warning itself took the focus
    m_typing.clear();
    QLineEdit* field = m_entries.at(key);
    std::string typed = ToCell(field->text());
    Outcome checked = IsBlank(typed) ? Outcome::Success() : CheckEntry(key, typed);
    if (checked.ok) {
        emit entryKept(key, typed);
        return;
    }
    m_warning = true;
    m_dialogs.ShowMessage({checked.message, "Warning", Buttons::Ok, Icon::Exclamation, Answer::Ok});
    m_warning = false;
    field->setText(Stored(m_sheet, key));
    ShowRun(m_sheet.document.RunEntries);
    QMetaObject::invokeMethod(
        field,
        [field] {
            field->setFocus();
            field->selectAll();
        },
        Qt::QueuedConnection);
}

void StripTab::ShowRun(const RunEntries& entries) {
    m_run = RunOnTheStrip(m_sheet, entries, m_ratios);
    bool shown = m_run.outcome.ok;
    m_message->setText(shown ? QString() : FromCell(m_run.outcome.message));
    m_message->setVisible(!shown);
    m_results->setVisible(shown);
    if (!shown) return;
    ShowSlips();
    ShowParts();
}

void StripTab::ShowSlips() {
    const TimeSlips& slips = m_run.slips;
    QStringList headings = {QStringLiteral("Time slip")};
    for (std::size_t v = 0; v < slips.slips.size(); ++v)
        headings << QString::fromLatin1(VehicleName(static_cast<int>(v)));
    std::vector<QStringList> lines;
    for (const SlipMarkShown& mark : SlipMarksShown()) {
        QStringList line = {QString::fromLatin1(mark.label)};
        for (const TimeSlip& slip : slips.slips) line << FromCell(SlipCell(slip, mark));
        lines.push_back(line);
    }
    FillFigureTable(m_slips, headings, lines);
    for (int c = 1; c < m_slips->columnCount(); ++c)
        m_slips->setColumnWidth(
            c, m_slips->columnWidth(c) + m_slips->fontMetrics().averageCharWidth() * 2);
    FitHeightToRows(m_slips);
    FitWidthToColumns(m_slips);
    m_difference->setText(slips.difference ? FromCell(DifferenceSentence(*slips.difference))
                                           : QString());
    m_difference->setVisible(slips.difference.has_value());
    m_gearsNote->setText(FromCell(GearsSourceNote(m_run.gearsNote)));
    // The note's own line break is for a printed slip; here the words wrap to the room.
    m_estimate->setText(FromCell(EstimateNote()).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    m_speedChart->SetChart(gyrant::SpeedChart(slips));
    m_torqueChart->SetChart(TorqueChart(m_run.read.inputs));
}

void StripTab::ShowParts() {
    m_partsBox->setVisible(m_run.parts.has_value());
    if (!m_run.parts) return;
    std::vector<QStringList> lines;
    for (const PartTimeBought& part : m_run.parts->parts)
        lines.push_back({QString::number(part.row), FromCell(part.description),
                         FromCell(SecondsCell(part.secondsBought))});
    FillFigureTable(
        m_parts, {QStringLiteral("Row"), QStringLiteral("Part"), QStringLiteral("Seconds")}, lines);
    // The part's name reads from the left, as in the other tables.
    for (int r = 0; r < m_parts->rowCount(); ++r)
        m_parts->item(r, 1)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    FitHeightToRows(m_parts);
    FitWidthToColumns(m_parts);
    m_partsChart->SetChart(SecondsBoughtChart(*m_run.parts));
    m_partsSum->setText(FromCell(PartsSumSentence(*m_run.parts)));
}

}  // namespace gyrant
