// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewers/pageview.h"

#include "app/application.h"
#include "platform/linklabel.h"
#include "platform/shellopen.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace quorvel
{

pageView::pageView(Application &app, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_app(app)
{
    setObjectName(QStringLiteral("pageView"));
    setWindowTitle(tr("Page View"));

    m_link = new LinkLabel(tr("Click  HERE to view your Page"), this);
    m_link->setObjectName(QStringLiteral("Label1"));
    m_link->setAccessibleDescription(tr("Opens the gallery page in your web browser"));
    connect(m_link, &LinkLabel::activated, this, &pageView::openPage);

    auto *close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("Command1"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_link, 1, Qt::AlignCenter);
    layout->addWidget(close, 0, Qt::AlignCenter);
    resize(320, 140);
}

void pageView::openPage()
{
    const AppState &state = m_app.state();
    const QString &album = m_app.pageStyle().latestAlbumPage;
    openWithShell(
        this, album.isEmpty() ? state.pageFolder + state.htmlFileName : album, m_app.prompts(), m_app.shellLauncher());
}

} // namespace quorvel
