// Every text in the tables, the strip and each sub-menu fits its control at the dialog font, for
// each example worksheet in both unit systems at the environment's scale; with GYRANT_SHOTS set
// each sub-menu's picture is saved in that folder.

#include <QtTest>
#include <QtWidgets>

#include "calc/calc_window.h"
#include "files/window_place.h"
#include "model/choice_lists.h"
#include "ports/qt_dialogs.h"
#include "support/main_window_fixture.h"

namespace gyrant {

class TextFitTest : public QObject {
    Q_OBJECT

    QStringList m_cut;
    void Fits(QWidget* w, const QString& text, int room) {
        if (w->fontMetrics().horizontalAdvance(text) > room)
            m_cut << QStringLiteral("'%1' in %2 px").arg(text).arg(room);
    }
    void FitsList(QComboBox* list, const QString& text) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        QStyle* style = list->style();
        Fits(list, text,
             style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
                 .width());
    }
    // A sub-menu's lists of transmissions and vehicles come from data files and show whole when
    // they open; its own choices come from its definition.
    void CheckWindow(QWidget* window, const MenuDefinition* definition = nullptr) {
        for (QWidget* w : window->findChildren<QWidget*>()) {
            auto* label = qobject_cast<QLabel*>(w);
            auto* list = qobject_cast<QComboBox*>(w);
            if (!w->isVisibleTo(window)) continue;
            if (label && label->wordWrap() && label->heightForWidth(w->width()) > w->height())
                m_cut << label->text();
            if (label && !label->wordWrap()) Fits(w, label->text(), w->contentsRect().width());
            for (int i = 0; list && !definition && i < list->count(); ++i)
                FitsList(list, list->itemText(i));
            if (auto* box = qobject_cast<QLineEdit*>(w)) Fits(w, box->text(), w->width() - 8);
            if (auto* b = qobject_cast<QPushButton*>(w)) Fits(w, b->text(), w->width() - 8);
        }
        for (std::size_t k = 1; definition && k <= definition->inputs.size(); ++k)
            for (const std::string& choice : definition->inputs[k - 1].choices)
                if (auto* list = static_cast<CalcWindow*>(window)->List(static_cast<int>(k)))
                    FitsList(list, QString::fromLatin1(choice.c_str()));
    }

    // The sub-menu just opened: its picture saved where GYRANT_SHOTS says, its texts checked.
    void CheckSubMenu(MainWindow& window, int units) {
        std::unique_ptr<CalcWindow> menu(window.findChild<CalcWindow*>());
        QVERIFY(menu);
        QString shot = QStringLiteral("%1/sub-menu-%2-units-%3-x%4.png");
        if (qEnvironmentVariableIsSet("GYRANT_SHOTS"))
            menu->grab().save(shot.arg(qEnvironmentVariable("GYRANT_SHOTS"))
                                  .arg(menu->Menu().Kind())
                                  .arg(units)
                                  .arg(qEnvironmentVariable("QT_SCALE_FACTOR", "1")));
        CheckWindow(menu.get(), &menu->Menu().Definition());
    }

  private slots:
    void everyTextFits_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("units");
        for (const char* file : {"V8 Street Car.qrx", "Motorcycle.qrx", "Front Drive Four.qrx"})
            for (int units : {0, 1})
                QTest::addRow("%s in %s units", file, units ? "metric" : "US") << file << units;
    }
    void everyTextFits() {
        QFETCH(QString, file);
        QFETCH(int, units);
        testing::MainWindowFixture program({.example = file.toStdString(), .units = units});
        MainWindow& window = program.window;
        m_cut.clear();
        SpecGrid& grid = window.Grid(kBaseline);
        auto checkGrid = [&] {
            for (int column = 0; column < grid.model()->columnCount(); ++column)
                for (int row = 0; row < grid.model()->rowCount(); ++row) {
                    int room = -6;  // A long Value spreads over the empty cells beside it.
                    for (int c = column; c < column + grid.columnSpan(row, column); ++c)
                        room += grid.columnWidth(c);
                    Fits(&grid, grid.model()->index(row, column).data().toString(), room);
                }
        };
        checkGrid();
        // Every item of the Value lists, as the table shows it once chosen.
        for (int row : {kVehicleTypeRow, kConverterRow, kEngineDetailsRow})
            for (const std::string& item : ValueChoices(row)) {
                program.sheet.Table(kBaseline).SetText(row, kColValue, item);
                grid.Refresh();
                checkGrid();
            }
        for (int row = kFirstSpecRow; row <= kLastSelectableRow; ++row) {
            if (!program.sheet.Table(kBaseline).IsSelectable(row)) continue;
            window.Editor().SelectRow(row);
            window.StripWidget().Show(false);
            CheckWindow(&window.StripWidget());
            QPushButton* calc = window.StripWidget().Button(QStringLiteral("Calc"));
            if (!calc->isVisible()) continue;
            calc->click();
            CheckSubMenu(window, units);
        }
        // The engine calculations, from the Boring/Stroking menu.
        for (QAction* item : window.findChild<QMenu*>(QStringLiteral("mnuBoreStroke"))->actions()) {
            item->trigger();
            CheckSubMenu(window, units);
        }
        QVERIFY2(m_cut.isEmpty(), qPrintable(m_cut.join(QLatin1Char('\n'))));
    }
    // The boxes the program asks with are wide enough for their titles.
    void everyBoxFitsItsTitle_data() {
        QTest::addColumn<bool>("input");
        QTest::addRow("input box") << true;
        QTest::addRow("message") << false;
    }
    void everyBoxFitsItsTitle() {
        QFETCH(bool, input);
        const QString title = QStringLiteral("EZ Build Wizard");
        int width = 0;
        int needed = 0;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            width = box->width();
            needed = box->fontMetrics().horizontalAdvance(title);
            box->close();
        });
        QtDialogs dialogs(nullptr);
        if (input)
            dialogs.InputBox("Weight?", title.toStdString(), "");
        else
            dialogs.ShowMessage(
                {"Go on?", title.toStdString(), Buttons::Ok, Icon::None, Answer::Ok});
        QCOMPARE_GE(width, needed + 100);  // room for the title bar's icon and buttons
    }
    // A place kept on a taller screen, or at a smaller scale, opens within this screen.
    void aRestoredWindowFitsItsScreen() {
        testing::PreparedSheet prepared;
        QRect room = QGuiApplication::primaryScreen()->availableGeometry();
        WindowRect kept{0, 0, room.width() * kTwipsPerPixel, 2 * room.height() * kTwipsPerPixel};
        QVERIFY(WriteWindowPlace(WindowPlacePath(prepared.sheet), kept).ok);
        testing::FakeDialogs dialogs;
        MainWindow window(prepared.sheet, &dialogs);
        QCOMPARE_LE(window.height(), room.height());
        QCOMPARE(window.width(), room.width());
    }
};

}  // namespace gyrant

QTEST_MAIN(gyrant::TextFitTest)
#include "text_fit_test.moc"
