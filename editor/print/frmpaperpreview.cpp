#include "editor/print/frmpaperpreview.h"

#include "platform/namedwidget.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace editor {

using platform::named;

frmPaperPreview::frmPaperPreview(const ProjectRecord& project, const PaperOptions& options,
                                 QWidget* parent)
    : QDialog(parent), m_preview(project, options) {
    setObjectName(QStringLiteral("printPreview"));
    setWindowTitle(tr("Print Preview"));
    setModal(true);

    label_Page = named(new QLabel, "label_Page");
    label_Page->setAlignment(Qt::AlignCenter);
    label_Page->setBackgroundRole(QPalette::Dark);
    scroll_Page = named(new QScrollArea(this), "scroll_Page");
    scroll_Page->setWidget(label_Page);
    scroll_Page->setWidgetResizable(true);
    scroll_Page->viewport()->installEventFilter(this);
    scroll_Page->setBackgroundRole(QPalette::Dark);

    button_Previous = named(new QPushButton(tr("Previous"), this), "button_Previous");
    button_Next = named(new QPushButton(tr("Next"), this), "button_Next");
    spin_Page = named(new QSpinBox(this), "spin_Page");
    spin_Page->setAccessibleName(tr("Page shown"));
    spin_Page->setRange(1, std::max(1, pageCount()));
    label_Count = named(new QLabel(tr("of %1").arg(pageCount()), this), "label_Count");
    button_Print = named(new QPushButton(tr("Print ..."), this), "button_Print");
    button_Print->setDefault(true);
    button_Close = named(new QPushButton(tr("Close"), this), "button_Close");

    auto* bar = new QHBoxLayout;
    bar->addWidget(button_Previous);
    bar->addWidget(new QLabel(tr("Page"), this));
    bar->addWidget(spin_Page);
    bar->addWidget(label_Count);
    bar->addWidget(button_Next);
    bar->addStretch();
    bar->addWidget(button_Print);
    bar->addWidget(button_Close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll_Page, 1);
    layout->addLayout(bar);

    connect(spin_Page, &QSpinBox::valueChanged, this, &frmPaperPreview::showPage);
    connect(button_Previous, &QPushButton::clicked, spin_Page, &QSpinBox::stepDown);
    connect(button_Next, &QPushButton::clicked, spin_Page, &QSpinBox::stepUp);
    connect(button_Print, &QPushButton::clicked, this, &frmPaperPreview::printRequested);
    connect(button_Close, &QPushButton::clicked, this, &QDialog::reject);
    resize(760, 820);
}

int frmPaperPreview::currentPage() const {
    return spin_Page->value() - 1;
}

bool frmPaperPreview::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scroll_Page->viewport() && event->type() == QEvent::Resize)
        showPage();
    return QDialog::eventFilter(watched, event);
}

void frmPaperPreview::showPage() {
    const int page = currentPage();
    button_Previous->setEnabled(page > 0);
    button_Next->setEnabled(page + 1 < pageCount());
    // The whole sheet in the room the window gives it.
    const QSizeF sheet = m_preview.layout().fullRect(QPageLayout::Point).size();
    const QSize room = scroll_Page->viewport()->size() - QSize(16, 16);
    const int width =
        std::max(100, std::min(room.width(),
                               static_cast<int>(room.height() * sheet.width() / sheet.height())));
    if (width != m_seenWidth) {
        m_seen.clear();
        m_seenWidth = width;
    }
    if (!m_seen.contains(page))
        m_seen.insert(page, new QImage(m_preview.page(page, width)));
    label_Page->setPixmap(QPixmap::fromImage(*m_seen.object(page)));
}

} // namespace editor
