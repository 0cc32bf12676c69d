#pragma once

// The editing strip on screen: a caption panel over each field, the text boxes and lists laid
// out over the table columns they edit, the help line and the four buttons. It draws the
// core strip model and hands what the user does to the row editor.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <array>

#include "editor/row_editor.h"

namespace gyrant {

class EditStripWidget : public QWidget {
    Q_OBJECT

  public:
    EditStripWidget(RowEditor& editor, QWidget* parent);

    // Shows the strip model as it now is, and gives the focus to the field it names.
    void Show(bool moveFocus);

    QLineEdit* TextBox(int field) { return m_textBoxes[static_cast<std::size_t>(field)]; }
    QComboBox* List(int field) { return m_lists[static_cast<std::size_t>(field)]; }
    QPushButton* Button(const QString& caption);

  signals:
    // The strip changed the worksheet or its layout; the tables need drawing again.
    void changed();
    void keepChangeClicked();
    void refreshClicked();
    void copyDownClicked();
    void calcClicked();
    // A row picked in the row selector; the main window moves the strip there.
    void rowChosen(int row);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void BuildFields();
    void BuildButtons();
    void ConnectButtons();
    // Moves the focus to the button; false when the box it left refused its entry.
    bool LeaveBoxFor(QPushButton* button);
    void ShowField(int field);
    void PrepareList(QComboBox* list);
    void PlaceValueList();
    void ShowVehicleAndHelp(const QString& vehicle, const QString& help);
    // The control the field is drawn by now: its list or its text box.
    QWidget* FieldControl(int field);
    void CaptionClicked(int field);
    void ListChosen(int field, int index);
    bool TextBoxFocus(int field, QEvent* event);
    // Digits typed into the row selector gather until the type-ahead pause or Enter picks the
    // row they name; true when the selector's key was taken.
    bool RowSelectorKey(QEvent* event);
    void PickTypedRow();
    int FieldOf(QObject* widget) const;
    std::array<QPushButton*, 4> AllButtons() const {
        return {m_buttons[0], m_buttons[1], m_buttons[2], m_calc};
    }

    RowEditor& m_editor;
    std::array<QLabel*, kStripFields> m_captions{};
    std::array<QLineEdit*, kStripFields> m_textBoxes{};
    std::array<QComboBox*, kStripFields> m_lists{};
    QStyle* m_listStyle = nullptr;
    QLabel* m_helpLine = nullptr;
    QLabel* m_vehicle = nullptr;
    QPushButton* m_calc = nullptr;
    std::array<QPushButton*, 3> m_buttons{};
    bool m_leaving = false;
    bool m_refused = false;
    QString m_typedRow;
    QTimer m_typeAhead;
};

}  // namespace gyrant
