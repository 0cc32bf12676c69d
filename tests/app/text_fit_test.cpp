// Every text the windows show fits its cell or control at the dialog font: each row's cells,
// choices, units and help line in the tables and the strip, and every sub-menu it opens, for
// each example worksheet in English and metric units. The scale comes from the environment.

#include <QHeaderView>
#include <QtTest>

#include "calc/calc_window.h"
#include "files/program_places.h"
#include "files/spec_file.h"
#include "model/spec_rows.h"
#include "shell/main_window.h"
#include "support/fake_dialogs.h"
#include "support/program_folder.h"

namespace gyrant {

class TextFitTest : public QObject {
    Q_OBJECT

    QStringList m_cut;
    // A choice cell shows its item; the blanks push its position out of sight.
    void Fits(QWidget* w, const QString& text, int room) {
        QString shown = text.section(QStringLiteral("   "), 0, 0);
        if (w->fontMetrics().horizontalAdvance(shown) > room)
            m_cut << QStringLiteral("%1 '%2' in %3 px")
                         .arg(w->metaObject()->className(), shown)
                         .arg(room);
    }
    void CheckWindow(QWidget* window) {
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (!label->isVisibleTo(window)) continue;
            if (label->wordWrap() && label->heightForWidth(label->width()) > label->height())
                m_cut << QStringLiteral("lines of '%1'").arg(label->text());
            else if (!label->wordWrap())
                Fits(label, label->text(), label->contentsRect().width());
        }
        for (QComboBox* list : window->findChildren<QComboBox*>())
            for (int i = 0; list->isVisibleTo(window) && i < list->count(); ++i)
                FitsList(list, list->itemText(i));
        for (QLineEdit* box : window->findChildren<QLineEdit*>())
            if (box->isVisibleTo(window)) Fits(box, box->text(), box->width() - 8);
        for (QPushButton* button : window->findChildren<QPushButton*>())
            if (button->isVisibleTo(window)) Fits(button, button->text(), button->width() - 8);
    }
    void FitsList(QComboBox* list, const QString& text) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.frame = true;
        option.subControls = QStyle::SC_All;
        Fits(list, text,
             list->style()
                 ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
                 .width());
    }
    // A sub-menu's own texts; its lists of transmissions and vehicles come from data files and
    // show whole when they open.
    void CheckSubMenu(CalcWindow* menu, int units) {
        QString shots = qEnvironmentVariable("GYRANT_SHOTS");
        if (!shots.isEmpty())
            menu->grab().save(QStringLiteral("%1/sub-menu-%2-units-%3-x%4.png")
                                  .arg(shots)
                                  .arg(menu->Menu().Kind())
                                  .arg(units)
                                  .arg(qEnvironmentVariable("QT_SCALE_FACTOR", "1")));
        for (QComboBox* list : menu->findChildren<QComboBox*>()) list->clear();
        CheckWindow(menu);
        const MenuDefinition& definition = menu->Menu().Definition();
        for (std::size_t k = 1; k <= definition.inputs.size(); ++k)
            for (const std::string& choice : definition.inputs[k - 1].choices)
                if (QComboBox* list = menu->List(static_cast<int>(k)))
                    FitsList(list, QString::fromLatin1(choice.c_str()));
    }
    void CheckCells(SpecGrid& grid) {
        for (int column = 0; column < grid.model()->columnCount(); ++column) {
            int room = grid.columnWidth(column) - 6;
            Fits(static_cast<QWidget*>(grid.horizontalHeader()),
                 grid.model()->headerData(column, Qt::Horizontal).toString(), room);
            for (int row = 0; row < grid.model()->rowCount(); ++row)
                Fits(&grid, grid.model()->index(row, column).data().toString(), room);
        }
    }

  private slots:
    void everyTextFits_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("units");
        for (const char* file : {"V8 Street Car.qrx", "Motorcycle.qrx", "Front Drive Four.qrx"})
            for (int units : {0, 1}) QTest::addRow("%s, units %d", file, units) << file << units;
    }
    void everyTextFits() {
        QFETCH(QString, file);
        QFETCH(int, units);
        testing::ProgramFolder folder;
        Worksheet sheet;
        sheet.ProgramFolder = folder.Path();
        sheet.UnitSystem = units;
        QVERIFY(SetupWorksheet(sheet).ok);
        QCOMPARE(ReadSpecFile(sheet, (folder / "GyrantFiles" / file.toStdString()).string()).status,
                 SpecFileStatus::Done);
        testing::FakeDialogs dialogs;
        MainWindow window(sheet, &dialogs);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        m_cut.clear();
        CheckCells(window.Grid(kBaseline));
        for (int row = kFirstSpecRow; row <= kLastSelectableRow; ++row) {
            if (!sheet.Table(kBaseline).IsSelectable(row)) continue;
            window.Editor().SelectRow(row);
            window.StripWidget().Show(false);
            CheckWindow(&window.StripWidget());
            QPushButton* calc = window.StripWidget().Button(QStringLiteral("Calc"));
            if (!calc->isVisible()) continue;
            calc->click();
            auto* menu = window.findChild<CalcWindow*>();
            QVERIFY(menu);
            CheckSubMenu(menu, units);
            delete menu;
        }
        m_cut.removeDuplicates();
        QVERIFY2(m_cut.isEmpty(), qPrintable(m_cut.join(QLatin1Char('\n'))));
    }
};

}  // namespace gyrant

QTEST_MAIN(gyrant::TextFitTest)
#include "text_fit_test.moc"
