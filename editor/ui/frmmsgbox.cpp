#include "editor/ui/frmmsgbox.h"

#include "platform/fittofont.h"
#include "platform/numbers.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace editor {
frmMsgBox::frmMsgBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("frmMsgBox"));
    setWindowTitle(tr("VV1 : Operation Notice"));
    setModal(true);
    setFixedSize(platform::twipsToPixels(6030), platform::twipsToPixels(1650));

    Label1 = new QLabel(tr("Panes swap images independent of pane  properties. Click "
                           "OK to proceed with this operation."),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setGeometry(platform::twipsRect(165, 165, 4125, 750));

    Check1 = new QCheckBox(tr("Don't show me again this session. Ta."), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    // Across the whole window, so the caption fits in any font.
    Check1->setGeometry(platform::twipsRect(165, 1200, 6030 - 2 * 165, 345));

    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(platform::twipsRect(4680, 120, 1215, 375));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &frmMsgBox::OKButton_Click);

    CancelButton = new QPushButton(tr("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setGeometry(platform::twipsRect(4680, 600, 1215, 375));
    connect(CancelButton, &QPushButton::clicked, this, &frmMsgBox::CancelButton_Click);
    platform::growToFitFont(*this);
}

frmMsgBox::Result frmMsgBox::Ask() {
    m_result = {};
    exec();
    return m_result;
}

void frmMsgBox::OKButton_Click() {
    m_result = {Answer::Okay, Check1->isChecked()};
    accept();
}

void frmMsgBox::CancelButton_Click() {
    m_result = {Answer::Cancel, false};
    Check1->setChecked(false);
    reject();
}

} // namespace editor
