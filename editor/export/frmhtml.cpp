#include "editor/export/frmhtml.h"

#include "editor/export/htmlwordtable.h"
#include "editor/model/storage/writeplace.h"
#include "platform/busycursor.h"
#include "platform/documenttext.h"
#include "platform/platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextDocument>
#include <QVBoxLayout>

namespace editor {
namespace {

const QString kNoFile = QStringLiteral("C:\\none");

} // namespace

frmHTML::frmHTML(platform::Platform& platform, const ProjectRecord& project,
                 const HtmlWordTable& words, QWidget* parent)
    : QDialog(parent), m_platform(platform), m_project(project), m_words(words) {
    setObjectName(QStringLiteral("frmHTML"));
    setWindowTitle(tr("Html Export"));
    setModal(true);
    createControls();

    Combo_GridSize->addItems({QStringLiteral("2 x 2"), QStringLiteral("3 x 3"),
                              QStringLiteral("4 x 4"), QStringLiteral("5 x 5")});
    Combo_GridSize->setCurrentIndex(0);
    Check2->setChecked(true);
    noFileChosen();
}

void frmHTML::createControls() {
    const auto named = [](auto* widget, const QString& name) {
        widget->setObjectName(name);
        return widget;
    };
    SSTab1 = named(new QTabWidget(this), QStringLiteral("SSTab1"));
    SSTab1->setAccessibleName(tr("Export and preview"));
    auto* exportTab = new QWidget;
    auto* previewTab = new QWidget;
    SSTab1->addTab(exportTab, tr("Export"));
    SSTab1->addTab(previewTab, tr("preview"));

    Text1 = named(new QLineEdit(exportTab), QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setAccessibleName(tr("Export folder"));
    Command1 = named(new QPushButton(tr("path"), exportTab), QStringLiteral("Command1"));
    Command1->setAccessibleDescription(tr("Chooses the folder the pages are written to"));

    Frame2 = named(new QGroupBox(tr("Scale panes for : "), exportTab), QStringLiteral("Frame2"));
    const QString scales[] = {QStringLiteral("640 x 480"), QStringLiteral("800 x 600, 1024 x 768")};
    auto* scaleLayout = new QVBoxLayout(Frame2);
    for (int i = 0; i < 2; ++i) {
        Option1[i] =
            named(new QRadioButton(scales[i], Frame2), QStringLiteral("Option1_%1").arg(i));
        scaleLayout->addWidget(Option1[i]);
    }
    Option1[1]->setChecked(true);

    Frame1 = named(new QGroupBox(tr("Structure :"), exportTab), QStringLiteral("Frame1"));
    const QString structure[] = {
        tr("Labels dock with panes."), tr("Labels show as ALT tag property."),
        tr("Number every pane."),      tr("Show border on panes with URLs."),
        tr("Show board title."),       tr("Show footer text.")};
    auto* structureLayout = new QVBoxLayout(Frame1);
    for (int i = 0; i < 6; ++i) {
        Check1[i] = named(new QCheckBox(structure[i], Frame1), QStringLiteral("Check1_%1").arg(i));
        Check1[i]->setChecked(true);
        structureLayout->addWidget(Check1[i]);
    }
    Label1 = named(new QLabel(tr("Pane Grid :"), Frame1), QStringLiteral("Label1"));
    Combo_GridSize = named(new QComboBox(Frame1), QStringLiteral("Combo_GridSize"));
    Combo_GridSize->setAccessibleName(tr("Pane Grid"));
    auto* gridRow = new QHBoxLayout;
    gridRow->addWidget(Label1);
    gridRow->addWidget(Combo_GridSize, 1);
    structureLayout->addLayout(gridRow);

    Check2 = named(new QCheckBox(tr("Auto-create html code"), exportTab), QStringLiteral("Check2"));
    Button_acceptOrclose[1] =
        named(new QPushButton(tr("Accept"), exportTab), QStringLiteral("Button_acceptOrclose_1"));
    Button_acceptOrclose[1]->setToolTip(tr("Use"));
    Button_acceptOrclose[0] =
        named(new QPushButton(tr("Close"), exportTab), QStringLiteral("Button_acceptOrclose_0"));
    Button_acceptOrclose[0]->setToolTip(tr("Discard"));
    for (QPushButton* button : Button_acceptOrclose)
        button->setAutoDefault(false);

    auto* exportLayout = new QGridLayout(exportTab);
    exportLayout->addWidget(Text1, 0, 0);
    exportLayout->addWidget(Command1, 0, 1);
    exportLayout->addWidget(Frame2, 1, 0, 1, 2);
    exportLayout->addWidget(Frame1, 2, 0, 1, 2);
    exportLayout->addWidget(Check2, 3, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button_acceptOrclose[1]);
    buttons->addWidget(Button_acceptOrclose[0]);
    exportLayout->addLayout(buttons, 4, 0, 1, 2);

    html_code = named(new QPlainTextEdit(previewTab), QStringLiteral("html_code"));
    html_code->setLineWrapMode(QPlainTextEdit::NoWrap);
    html_code->setAccessibleName(tr("HTML code"));
    auto* previewLayout = new QVBoxLayout(previewTab);
    previewLayout->addWidget(html_code);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1);
    resize(520, 480);

    connect(Command1, &QPushButton::clicked, this, &frmHTML::Command1_Click);
    connect(SSTab1, &QTabWidget::currentChanged, this, &frmHTML::SSTab1_Click);
    for (int i = 0; i < 2; ++i)
        connect(Button_acceptOrclose[i], &QPushButton::clicked, this,
                [this, i] { Button_acceptOrclose_Click(i); });
}

std::optional<ExportTarget> frmHTML::Export() {
    m_target = ExportTarget();
    noFileChosen();
    exec();
    return m_fileChosen ? std::optional<ExportTarget>(m_target) : std::nullopt;
}

ExportOptions frmHTML::options() const {
    ExportOptions options;
    options.PaneGrid = Combo_GridSize->currentIndex() + 2;
    options.wideScale = Option1[1]->isChecked();
    options.labelsInTitles = Check1[0]->isChecked();
    options.labelsAsAlt = Check1[1]->isChecked();
    options.paneNumbers = Check1[2]->isChecked();
    options.linkBorders = Check1[3]->isChecked();
    options.boardTitle = Check1[4]->isChecked();
    options.footer = Check1[5]->isChecked();
    return options;
}

void frmHTML::Command1_Click() {
    platform::FileChooserRequest request;
    request.title = tr("Save Project (as html) ...");
    request.filter = QStringLiteral("htm (*.htm)");
    request.proposedName = tr("Untitled.htm");
    request.defaultSuffix = QStringLiteral("htm");
    const platform::FileChoice choice = m_platform.chooseSaveFile(request);
    const std::optional<ExportTarget> target =
        choice.cancelled ? std::nullopt : exportTargetFor(choice.fileName);
    if (!target) {
        noFileChosen();
        return;
    }
    if (const std::optional<QString> refusal = workFolderRefusal(target->fileName, m_platform)) {
        m_platform.showMessage({tr("Vistavel : Export"), *refusal,
                                platform::MessageIcon::Exclamation, platform::MessageButtons::Ok});
        noFileChosen();
        return;
    }
    m_target = *target;
    m_fileChosen = true;
    Text1->setText(target->fileName);
    Button_acceptOrclose[1]->setEnabled(true);
}

void frmHTML::SSTab1_Click(int tab) {
    if (tab != 1)
        return;
    // Without "Auto-create html code" the user's edit stays; any other text would
    // not be written, so the box shows the page as it reads now.
    if (!Check2->isChecked() && holdsEdit())
        return;
    m_counters.restartPanes();
    showGenerated(MakeWebpage(m_project, m_words, options(), m_target.baseName, m_counters));
}

void frmHTML::Button_acceptOrclose_Click(int index) {
    if (index == 1 && m_fileChosen && !writePages())
        m_fileChosen = false;
    if (index == 0)
        m_fileChosen = false;
    Finish();
}

bool frmHTML::writePages() {
    const ExportOptions chosen = options();
    m_counters.restartPanes();
    m_counters.PageCount = static_cast<qint16>(
        exportPageCount(m_project.GridSize, m_project.BoardCount, chosen.PaneGrid));
    PageWriteFailure failure;
    bool written = false;
    {
        const platform::BusyCursor busy;
        if (Check2->isChecked()) {
            QString text;
            written =
                writeExportPages(m_project, m_words, chosen, m_target, m_counters, &text, &failure);
            showGenerated(text);
        } else {
            // Page 1 alone: the user's edit of it as it stands (the box keeps lines
            // apart by line feeds alone), or else the page made anew.
            m_counters.PageNumber = 1;
            QString text;
            if (holdsEdit()) {
                text = platform::documentText(*html_code->document());
                text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
            } else {
                text = MakeWebpage(m_project, m_words, chosen, m_target.baseName, m_counters);
                showGenerated(text);
            }
            failure.fileName = pageFileName(m_target, 1);
            written = WritePageFile(failure.fileName, text, &failure.reason);
        }
    }
    if (!written)
        m_platform.showMessage(
            {tr("Vistavel : Export"),
             tr("I could not write the web page %1; no pictures were converted.\n%2")
                 .arg(QDir::toNativeSeparators(failure.fileName), failure.reason),
             platform::MessageIcon::Exclamation, platform::MessageButtons::Ok});
    return written;
}

void frmHTML::showGenerated(const QString& text) {
    html_code->setPlainText(text);
    html_code->document()->setModified(false);
}

// An edit of page 1: typed since the box last showed a page the program made,
// in this export or an earlier one, and not emptied, which asks for the page
// made anew.
bool frmHTML::holdsEdit() const {
    return html_code->document()->isModified() && !html_code->document()->isEmpty();
}

// The folder and base name of an earlier choice stay for the preview.
void frmHTML::noFileChosen() {
    m_fileChosen = false;
    Text1->setText(kNoFile);
    Button_acceptOrclose[1]->setEnabled(false);
}

void frmHTML::Finish() {
    SSTab1->setCurrentIndex(0);
    Text1->setText(kNoFile);
    Button_acceptOrclose[1]->setEnabled(false);
    QDialog::done(m_fileChosen ? QDialog::Accepted : QDialog::Rejected);
}

void frmHTML::reject() {
    Button_acceptOrclose_Click(0);
}

} // namespace editor
