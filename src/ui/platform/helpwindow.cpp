// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/helpwindow.h"

#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

// The manual is compiled into this static library; its resources must be
// registered by hand before the first page is shown.
static void initHelpResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace quorvel
{
namespace
{

QString topicUrl(const QString &topic)
{
    return QStringLiteral("qrc:/help/%1.html").arg(topic);
}

} // namespace

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_browser(new QTextBrowser(this))
{
    initHelpResources();
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(tr("Quorvel Help"));
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setAccessibleName(tr("Help page"));
    m_browser->setOpenExternalLinks(true);

    auto *contents = new QPushButton(tr("C&ontents"), this);
    contents->setObjectName(QStringLiteral("helpContents"));
    connect(contents, &QPushButton::clicked, this, [this] {
        showTopic(QStringLiteral("contents"));
    });
    auto *close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("helpClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_browser);
    layout->addLayout(buttons);
    resize(640, 560);
}

bool HelpWindow::hasTopic(const QString &topic)
{
    initHelpResources();
    return QFile::exists(QStringLiteral(":/help/%1.html").arg(topic));
}

void HelpWindow::showTopic(const QString &topic)
{
    // "page#section" opens the page at that section.
    const QString page = topic.section(QLatin1Char('#'), 0, 0);
    const QString section = topic.section(QLatin1Char('#'), 1);
    QUrl url(topicUrl(hasTopic(page) ? page : QStringLiteral("contents")));
    if (hasTopic(page) && !section.isEmpty())
        url.setFragment(section);
    m_browser->setSource(url);
}

QString HelpWindow::currentTopic() const
{
    return QFileInfo(m_browser->source().path()).completeBaseName();
}

} // namespace quorvel
