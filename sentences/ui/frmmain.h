#pragma once

#include "sentences/engine/definitionlists.h"
#include "sentences/engine/kestrav.h"
#include "sentences/engine/kestravhost.h"
#include "sentences/engine/unsavedwork.h"

#include <QMainWindow>

#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace platform {
class Platform;
}

namespace sentences {

class frmAbout;
class frmEdit;
class frmHelp;

// "Tellwick : VV3": the word choosers, the Sentence Preview and the Output.
// Owns the word lists and the one composer, and lends the composer its
// choosers, preview and Output.
class frmMain : public QMainWindow, private KestravHost {
    Q_OBJECT
public:
    explicit frmMain(platform::Platform& platform, QWidget* parent = nullptr);
    ~frmMain() override;

    DefinitionLists& definitionLists() { return m_lists; }
    const Kestrav& composer() const { return m_composer; }
    // Reads a definitions file into the word lists as File > Load does once its
    // chooser has answered, first asking to save word lists that have changed.
    void LoadDefinitionsFile(const QString& fileName);

protected:
    // Closing asks first to save an Output or word lists that have changed.
    void closeEvent(QCloseEvent* event) override;
    // One definitions file dropped from a file manager loads as File > Load does.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // What a save writes.
    enum class Work { Output, WordLists };

    // Takes the drag as a copy and gives its file when it is one definitions
    // file and no dialog waits; refuses it otherwise.
    QString droppedDefinitions(QDropEvent& event) const;
    void createControls();
    void createMenus();
    void placeCentred();

    void LoadDefaultWords();
    // Every chooser emptied and refilled from the lists, none selected.
    void RebuildChoosers();
    void DoWords();
    void Reset();
    void LoadDefinitions();
    void readDefinitionsFile(const QString& fileName);
    void SaveOutput();
    // Writes the Output or the word lists; a failure is reported and gives false.
    bool saveWork(Work work, const QString& fileName);
    // The question's Save: a chooser for that work alone, proposing its last file.
    bool saveWorkWithChooser(Work work);
    // Asks "TwK : Save Changes" when the Output (if `withOutput`) or the word lists
    // have changed. True when they may be set aside: nothing changed, the answer
    // was Discard, or Save saved every changed one.
    bool maySetAside(bool withOutput, const QString& before);

    void ComboWords_Click(int index);
    void Check1_Click(int index);
    void Check2_Click(int index);
    void Button_Erase_Click(int index);
    void List1_Click(const QListWidgetItem* item);
    void mnu_Edit_Click();
    void mnu_Help_Click();
    void mnu_AboutTwK_Click();

    int actionModifyPosition() const override;
    int previewCount() const override;
    void clearPreview() override;
    void appendPreview(const QString& line) override;
    QString previewFirstLine() const override;
    QString outputText() const override;
    void setOutputText(const QString& text) override;
    bool outputAdditive() const override;
    int chooserCount(int type) const override;
    void selectChooser(int type, int position) override;

    platform::Platform& m_platform;
    DefinitionLists m_lists;
    Kestrav m_composer;
    UnsavedWork m_unsaved;

    std::array<int, 4> ActiveFlags{1, 1, 1, 1};
    int PreviewAdditive = 0;
    QString LastWord;
    int LastWordType = 0;

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    std::array<QComboBox*, DefinitionLists::TypeCount> ComboWords{};
    std::array<QCheckBox*, 4> Check1{};
    std::array<QCheckBox*, 2> Check2{};
    std::array<QPushButton*, 2> Button_Erase{};
    QListWidget* List1 = nullptr;
    QPlainTextEdit* Text1 = nullptr;

    frmEdit* m_frmEdit = nullptr;
    frmHelp* m_frmHelp = nullptr;
    frmAbout* m_frmAbout = nullptr;
};

} // namespace sentences
