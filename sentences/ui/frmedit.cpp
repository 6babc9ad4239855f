#include "sentences/ui/frmedit.h"

#include "platform/fittofont.h"
#include "platform/numbers.h"
#include "sentences/engine/definitionlists.h"
#include "sentences/ui/definitionlistbox.h"
#include "sentences/ui/formgeometry.h"
#include "sentences/ui/wordvalidator.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace sentences {

frmEdit::frmEdit(DefinitionLists& lists, QWidget* parent) : QDialog(parent), m_editor(lists) {
    setObjectName(QStringLiteral("frmEdit"));
    setWindowTitle(tr("Edit : Definitions"));
    setModal(true);
    createControls();
    createMenus();
    showModel();
}

void frmEdit::createControls() {
    auto* client = new QWidget(this);
    client->setFixedSize(platform::twipsRect(0, 0, 3825, 3090).size());

    Combo_Def = new QComboBox(client);
    Combo_Def->setObjectName(QStringLiteral("Combo_Def"));
    Combo_Def->setGeometry(platform::twipsRect(90, 45, 3630, 315));
    Combo_Def->addItems(DefinitionLists::typeNames());
    connect(Combo_Def, &QComboBox::activated, this, &frmEdit::Combo_Def_Click);
    Combo_Def->setAccessibleName(tr("List"));
    Combo_Def->setAccessibleDescription(tr("The list of words to edit"));

    List1 = new DefinitionListBox(client);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(platform::twipsRect(90, 465, 3630, 2010));
    List1->setAccessibleName(tr("Words"));
    connect(List1, &DefinitionListBox::mouseDown, this, &frmEdit::List1_MouseDown);
    connect(List1, &QListWidget::currentRowChanged, this, [this](int row) {
        m_editor.setSelectedLine(row);
        showModel();
    });

    Text1 = new QLineEdit(client);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(platform::twipsRect(120, 2595, 2505, 375));
    Text1->setMaxLength(DefinitionLists::MaxWordLength);
    Text1->setAccessibleName(tr("Word"));
    Text1->setValidator(new WordValidator(Text1));
    connect(Text1, &QLineEdit::textChanged, this, &frmEdit::Text1_Change);

    cmdButton[1] = new QPushButton(tr("new"), client);
    cmdButton[1]->setGeometry(platform::twipsRect(2700, 2610, 450, 390));
    cmdButton[0] = new QPushButton(tr("swap"), client);
    cmdButton[0]->setGeometry(platform::twipsRect(3195, 2610, 525, 390));
    for (int index = 0; index < static_cast<int>(cmdButton.size()); ++index) {
        cmdButton[index]->setObjectName(QStringLiteral("cmdButton_%1").arg(index));
        cmdButton[index]->setAutoDefault(false);
        cmdButton[index]->setAccessibleDescription(
            index == 1 ? tr("Adds the word to the list")
                       : tr("Puts the word in place of the selected one"));
        connect(cmdButton[index], &QPushButton::clicked, this,
                [this, index] { cmdButton_Click(index); });
    }

    platform::growToFitFont(*client);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(client);
}

void frmEdit::createMenus() {
    auto* menuBar = new QMenuBar(this);
    layout()->setMenuBar(menuBar);
    const auto addItem = [this](QMenu* menu, const char* name, const QString& caption,
                                void (DefinitionEditor::*command)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        if (command) {
            connect(action, &QAction::triggered, this, [this, command] {
                (m_editor.*command)();
                showModel();
            });
        }
        return action;
    };
    const auto addSeparator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QLatin1String(name));
    };

    mnu_File = menuBar->addMenu(tr("&File"));
    mnu_File->setObjectName(QStringLiteral("mnu_File"));
    mnu_Close = addItem(mnu_File, "mnu_Close", tr("&Close"), nullptr);
    connect(mnu_Close, &QAction::triggered, this, &frmEdit::CloseEditor);

    mnu_Edit = menuBar->addMenu(tr("&Edit"));
    mnu_Edit->setObjectName(QStringLiteral("mnu_Edit"));
    mnu_New = addItem(mnu_Edit, "mnu_New", tr("&New Item"), &DefinitionEditor::NewItem);
    mnu_Swap = addItem(mnu_Edit, "mnu_Swap", tr("&Swap Item"), &DefinitionEditor::SwapItem);
    addSeparator(mnu_Edit, "sep02");
    mnu_Remove = addItem(mnu_Edit, "mnu_Remove", tr("&Remove Item"), &DefinitionEditor::RemoveItem);
    addSeparator(mnu_Edit, "sep07");
    mnu_Clear = addItem(mnu_Edit, "mnu_Clear", tr("&Clear"), &DefinitionEditor::Clear);
    addSeparator(mnu_Edit, "sep03");
    mnu_Defaults = addItem(mnu_Edit, "mnu_Defaults", tr("Load &Defaults"),
                           &DefinitionEditor::LoadDefaultDefinitions);
    connect(mnu_Defaults, &QAction::triggered, this, &frmEdit::defaultsLoaded);
}

void frmEdit::selectType(int type) {
    {
        const QSignalBlocker blocker(Combo_Def);
        Combo_Def->setCurrentIndex(type);
    }
    m_editor.selectType(type);
    showModel();
}

// Brings every control in line with the editor's state; the controls' own
// signals are held back so that nothing echoes into the state.
void frmEdit::showModel() {
    QStringList shown;
    for (int row = 0; row < List1->count(); ++row)
        shown << List1->item(row)->text();
    {
        const QSignalBlocker blocker(List1);
        if (shown != m_editor.lines()) {
            List1->clear();
            List1->addItems(m_editor.lines());
        }
        List1->setCurrentRow(m_editor.selectedLine());
        if (m_editor.selectedLine() < 0)
            List1->clearSelection();
    }
    if (Text1->text() != m_editor.editText()) {
        const QSignalBlocker blocker(Text1);
        Text1->setText(m_editor.editText());
    }
    mnu_New->setEnabled(m_editor.newEnabled());
    cmdButton[1]->setEnabled(m_editor.newEnabled());
    mnu_Swap->setEnabled(m_editor.swapEnabled());
    cmdButton[0]->setEnabled(m_editor.swapEnabled());
    mnu_Remove->setEnabled(m_editor.swapEnabled());
    mnu_Clear->setEnabled(m_editor.clearEnabled());
}

void frmEdit::Combo_Def_Click(int index) {
    m_editor.selectType(index);
    showModel();
}

void frmEdit::List1_MouseDown(Qt::MouseButton button, QPoint globalPosition) {
    m_editor.listPressed(List1->currentRow(), button == Qt::LeftButton);
    showModel();
    if (button != Qt::LeftButton)
        mnu_Edit->popup(globalPosition);
}

void frmEdit::cmdButton_Click(int index) {
    if (index == 1)
        m_editor.NewItem();
    else
        m_editor.SwapItem();
    showModel();
}

void frmEdit::Text1_Change(const QString& text) {
    m_editor.editTextChanged(text);
    showModel();
}

void frmEdit::CloseEditor() {
    Q_EMIT definitionsClosed();
    accept();
}

} // namespace sentences
