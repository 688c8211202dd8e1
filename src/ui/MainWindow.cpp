// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"

#include "ActionPicker.h"
#include "AppearanceStore.h"
#include "BackgroundRemover.h"
#include "DropZone.h"
#include "FFmpegLocator.h"
#include "FeaturesView.h"
#include "FileChooserFilters.h"
#include "HomeView.h"
#include "HoverRowButton.h"
#include "IconTile.h"
#include "LanguageStore.h"
#include "Localization.h"
#include "OnboardingView.h"
#include "Preferences.h"
#include "QuickDragController.h"
#include "SettingsDefaults.h"
#include "SettingsView.h"
#include "SystemColors.h"
#include "Typography.h"
#include "XdndCopyFilter.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace karvo {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(L("Karvo"));
    setMinimumSize(760, 540);
    resize(820, 640);
    setAcceptDrops(true);
    m_copyDrops = std::make_unique<XdndCopyFilter>(this);

    m_root = new QStackedWidget(this);
    setCentralWidget(m_root);
    buildContent();
    // Until onboarding has been completed once, it is what a start shows.
    const QVariant done = Preferences::value(QString::fromLatin1(SettingsDefaults::onboardingDoneKey));
    if (done.typeId() == QMetaType::Bool && done.toBool())
        setMode(RootMode::main);
    else
        showOnboarding();

    m_chooseAction = new QAction(L("Choose a file…"), this);
    m_chooseAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_chooseAction->setShortcutContext(Qt::WindowShortcut);
    connect(m_chooseAction, &QAction::triggered, this, [this] { chooseFile(RadialAction::format(OutputFormat::mp4)); });
    addAction(m_chooseAction);

    m_chooser = [this](const QStringList& filters) {
        QFileDialog dialog(this, L("Choose a file…"));
        dialog.setFileMode(QFileDialog::ExistingFiles);
        dialog.setNameFilters(filters);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
    };

    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            refreshToolStatus();
    });

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = geometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::buildSidebar(QWidget* parent)
{
    auto* column = new QWidget(parent);
    column->setFixedWidth(190);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->setSpacing(6);

    m_sidebar = new QListWidget(column);
    m_sidebar->setAccessibleName(L("Sidebar"));
    m_sidebar->setFrameShape(QFrame::NoFrame);
    m_sidebar->setIconSize(QSize(22, 22));
    m_sidebar->setFont(Typography::font(13));
    m_sidebar->setSpacing(2);
    // The list sits on the window's own colour, like the settings row below it.
    QPalette listPalette = m_sidebar->palette();
    listPalette.setColor(QPalette::Base, listPalette.color(QPalette::Window));
    m_sidebar->setPalette(listPalette);
    const qreal ratio = devicePixelRatioF();
    const QPalette& pal = palette();
    auto* home = new QListWidgetItem(
        QIcon(IconTile::pixmap(QStringLiteral("house"), Typography::accent(pal), 22, ratio)), L("Home"), m_sidebar);
    home->setSizeHint(QSize(0, 34));
    auto* features =
        new QListWidgetItem(QIcon(IconTile::pixmap(QStringLiteral("square.grid.2x2"),
                                                   SystemColors::color(SystemColor::purple, pal), 22, ratio)),
                            L("All Features"), m_sidebar);
    features->setSizeHint(QSize(0, 34));
    layout->addWidget(m_sidebar, 1);

    // Pinned below the list: the way into settings.
    auto* rule = new QFrame(column);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    layout->addWidget(rule);
    m_settingsRow = new HoverRowButton(column);
    m_settingsRow->row()->setContentsMargins(12, 8, 12, 8);
    m_settingsRow->row()->addWidget(
        new IconTile(QStringLiteral("gearshape"), SystemColors::color(SystemColor::gray, pal), 22, m_settingsRow));
    auto* settingsTitle = new QLabel(L("Settings"), m_settingsRow);
    settingsTitle->setFont(Typography::font(13));
    m_settingsRow->row()->addWidget(settingsTitle);
    m_settingsRow->row()->addStretch(1);
    m_settingsRow->setAccessibleName(L("Settings"));
    connect(m_settingsRow, &QAbstractButton::clicked, this, [this] { showSettings(); });
    auto* rowMargin = new QHBoxLayout;
    rowMargin->setContentsMargins(6, 0, 6, 0);
    rowMargin->addWidget(m_settingsRow);
    layout->addLayout(rowMargin);
    return column;
}

void MainWindow::buildContent()
{
    auto* root = new QWidget(this);
    auto* columns = new QHBoxLayout(root);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(0);
    columns->addWidget(buildSidebar(root));

    auto* divider = new QFrame(root);
    divider->setFrameShape(QFrame::VLine);
    divider->setFrameShadow(QFrame::Plain);
    QPalette faint = divider->palette();
    QColor line = faint.color(QPalette::WindowText);
    line.setAlphaF(0.12f);
    faint.setColor(QPalette::WindowText, line);
    divider->setPalette(faint);
    columns->addWidget(divider);

    m_detail = new QStackedWidget(root);
    m_home = new HomeView(QuickDragController::shared());
    auto* homeScroll = new QScrollArea(m_detail);
    homeScroll->setWidgetResizable(true);
    homeScroll->setFrameShape(QFrame::NoFrame);
    homeScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    homeScroll->setMinimumSize(480, 480);
    homeScroll->setWidget(m_home);
    m_detail->addWidget(homeScroll);
    // The catalogue is built the first time it is shown: the window appears sooner without it.
    m_features = nullptr;
    m_detail->addWidget(new QWidget(m_detail));
    columns->addWidget(m_detail, 1);

    connect(m_sidebar, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            setTab(row == 1 ? MainTab::features : MainTab::home);
    });
    if (m_mainScreen) {
        m_root->removeWidget(m_mainScreen);
        m_mainScreen->deleteLater(); // a click inside it may have led here
    }
    m_mainScreen = root;
    m_root->insertWidget(0, root);
    m_home->setOnReplayDemo([this] { showOnboarding(); });
    setTab(m_tab);
    m_home->dropZone()->setOnChooseFile([this] { chooseFile(RadialAction::format(OutputFormat::mp4)); });
    m_home->picker()->setOnChoose([this](const RadialAction& action) { choose(action); });
    m_home->picker()->setOnCancel([this] { cancelPending(); });
    if (m_pending) {
        m_home->picker()->setDrop(*m_pending, BackgroundRemover::seemsInstalled());
        m_home->showPicker(true);
    }
    refreshToolStatus();
}

FeaturesView* MainWindow::features()
{
    if (!m_features) {
        m_features = new FeaturesView([this](const RadialAction& action) { chooseFile(action); },
                                      BackgroundRemover::seemsInstalled(), m_detail);
        QWidget* placeholder = m_detail->widget(1);
        m_detail->insertWidget(1, m_features);
        m_detail->removeWidget(placeholder);
        placeholder->deleteLater();
    }
    return m_features;
}

void MainWindow::setTab(MainTab tab)
{
    m_tab = tab;
    const int row = tab == MainTab::features ? 1 : 0;
    if (tab == MainTab::features)
        features();
    if (m_sidebar->currentRow() != row)
        m_sidebar->setCurrentRow(row);
    m_detail->setCurrentIndex(row);
}

void MainWindow::rebuildContent()
{
    setWindowTitle(L("Karvo"));
    m_chooseAction->setText(L("Choose a file…"));
    buildContent();
    // Every screen comes back in the new language or look; settings and onboarding on their first page.
    if (m_mode == RootMode::settings)
        showSettings();
    else if (m_mode == RootMode::onboarding)
        showOnboarding();
    else
        setMode(RootMode::main);
}

void MainWindow::setVersion(const QString& version, const QString& buildId)
{
    m_version = version;
    m_buildId = buildId;
}

void MainWindow::setMode(RootMode mode)
{
    m_mode = mode;
    QWidget* screen = mode == RootMode::settings     ? static_cast<QWidget*>(m_settings)
                      : mode == RootMode::onboarding ? static_cast<QWidget*>(m_onboarding)
                                                     : m_mainScreen;
    m_root->setCurrentWidget(screen);
    // A screen that is not shown is not kept: the next visit starts it afresh.
    if (mode != RootMode::settings && m_settings) {
        m_root->removeWidget(m_settings);
        m_settings->deleteLater();
        m_settings = nullptr;
    }
    if (mode != RootMode::onboarding && m_onboarding) {
        m_root->removeWidget(m_onboarding);
        m_onboarding->deleteLater();
        m_onboarding = nullptr;
    }
}

void MainWindow::showMainScreen()
{
    setMode(RootMode::main);
}

void MainWindow::showSettings()
{
    if (m_settings) {
        m_root->removeWidget(m_settings);
        m_settings->deleteLater();
    }
    m_settings = new SettingsView({LanguageStore::shared(), AppearanceStore::shared(), QuickDragController::shared(),
                                   [this] { showMainScreen(); }, [this] { showOnboarding(); }, m_folderChooser,
                                   m_version, m_buildId});
    m_root->addWidget(m_settings);
    setMode(RootMode::settings);
}

void MainWindow::showOnboarding()
{
    if (m_onboarding) {
        m_root->removeWidget(m_onboarding);
        m_onboarding->deleteLater();
    }
    m_onboarding = new OnboardingView(QuickDragController::shared(), [this] { showMainScreen(); });
    m_root->addWidget(m_onboarding);
    setMode(RootMode::onboarding);
}

void MainWindow::present()
{
    setWindowTitle(L("Karvo"));
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

void MainWindow::refreshToolStatus()
{
    m_home->setToolsFound(!FFmpegLocator::path(QStringLiteral("ffmpeg")).isEmpty() &&
                          !FFmpegLocator::path(QStringLiteral("ffprobe")).isEmpty());
}

void MainWindow::presentPending(const QStringList& paths)
{
    if (std::optional<PendingDrop> drop = PendingDrop::from(paths)) {
        m_pending = std::move(drop);
        m_home->picker()->setDrop(*m_pending, BackgroundRemover::seemsInstalled());
        m_home->showPicker(true);
        setTab(MainTab::home);
        setMode(RootMode::main);
        return;
    }
    route(paths, RadialAction::format(OutputFormat::mp4));
}

QStringList MainWindow::localFiles(const QList<QUrl>& urls)
{
    QStringList paths;
    for (const QUrl& url : urls) {
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            paths << url.toLocalFile();
    }
    return paths;
}

void MainWindow::chooseFile(const RadialAction& action)
{
    if (!m_chooser)
        return;
    const QStringList chosen = m_chooser(FileChooserFilters::nameFilters(action));
    if (!chosen.isEmpty())
        route(chosen, action);
}

void MainWindow::choose(const RadialAction& action)
{
    if (!m_pending)
        return;
    const QStringList paths = m_pending->paths;
    cancelPending();
    route(paths, action);
}

void MainWindow::cancelPending()
{
    m_pending.reset();
    m_home->showPicker(false);
}

void MainWindow::route(const QStringList& paths, const RadialAction& action)
{
    if (m_routeDrop)
        m_routeDrop(paths, action);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (localFiles(event->mimeData()->urls()).isEmpty()) {
        event->ignore();
        return;
    }
    // Karvo only reads what is dropped: whatever the file manager proposes, the answer is Copy.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    m_home->dropZone()->setTargeted(true);
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event)
{
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void MainWindow::dragLeaveEvent(QDragLeaveEvent* event)
{
    m_home->dropZone()->setTargeted(false);
    event->accept();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    m_home->dropZone()->setTargeted(false);
    const QStringList paths = localFiles(event->mimeData()->urls());
    if (paths.isEmpty()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    presentPending(paths);
}

} // namespace karvo
