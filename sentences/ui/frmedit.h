#pragma once

#include "sentences/engine/definitioneditor.h"

#include <QDialog>

#include <array>

class QAction;
class QComboBox;
class QLineEdit;
class QMenu;
class QPushButton;

namespace sentences {

class DefinitionListBox;
class DefinitionLists;

// "Edit : Definitions": edits the word lists one type at a time. Every change
// goes into the lists at once; "Close" asks the main window to show them.
class frmEdit : public QDialog {
    Q_OBJECT
public:
    explicit frmEdit(DefinitionLists& lists, QWidget* parent = nullptr);

    // Selects a type in the type chooser and shows its words, even when that
    // type was already shown.
    void selectType(int type);

Q_SIGNALS:
    // "Close" was chosen: the word choosers should be rebuilt from the lists.
    void definitionsClosed();
    // "Load Defaults" put the default words in every list.
    void defaultsLoaded();

private:
    void createControls();
    void createMenus();
    void showModel();

    void Combo_Def_Click(int index);
    void List1_MouseDown(Qt::MouseButton button, QPoint globalPosition);
    void Text1_Change(const QString& text);
    void cmdButton_Click(int index);
    void CloseEditor();

    DefinitionEditor m_editor;

    QComboBox* Combo_Def = nullptr;
    DefinitionListBox* List1 = nullptr;
    QLineEdit* Text1 = nullptr;
    std::array<QPushButton*, 2> cmdButton{}; // 0 "swap", 1 "new"

    QMenu* mnu_File = nullptr;
    QAction* mnu_Close = nullptr;
    QMenu* mnu_Edit = nullptr;
    QAction* mnu_New = nullptr;
    QAction* mnu_Swap = nullptr;
    QAction* mnu_Remove = nullptr;
    QAction* mnu_Clear = nullptr;
    QAction* mnu_Defaults = nullptr;
};

} // namespace sentences
