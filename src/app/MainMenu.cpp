// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainMenu.h"

#include "Localization.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QMetaMethod>
#include <QWidget>

namespace karvo {

namespace {
QAction* add(QMenu* menu, const QString& title, const QKeySequence& keys, std::function<void()> run)
{
    QAction* action = menu->addAction(title);
    action->setShortcut(keys);
    QObject::connect(action, &QAction::triggered, action, [run = std::move(run)] { run(); });
    return action;
}

void addEdit(QMenu* menu, const QString& title, const QKeySequence& keys, const char* slot)
{
    add(menu, title, keys, [slot] { MainMenu::sendToFocus(slot); });
}
} // namespace

// The keys are spelled out: a desktop's own bindings may put another key first (Ctrl+F4 for Close).
void MainMenu::build(QMenuBar& bar, const Actions& actions)
{
    bar.clear();

    QMenu* app = bar.addMenu(L("Karvo"));
    add(app, L("About Karvo"), {}, actions.about)->setMenuRole(QAction::AboutRole);
    add(app, L("Settings…"), QKeySequence(Qt::CTRL | Qt::Key_Comma), actions.settings)
        ->setMenuRole(QAction::PreferencesRole);
    app->addSeparator();
    add(app, L("Quit Karvo"), QKeySequence(Qt::CTRL | Qt::Key_Q), actions.quit)->setMenuRole(QAction::QuitRole);

    QMenu* file = bar.addMenu(L("File"));
    add(file, L("Close"), QKeySequence(Qt::CTRL | Qt::Key_W), [] {
        if (QWidget* window = QApplication::activeWindow())
            window->close();
    });

    QMenu* edit = bar.addMenu(L("Edit"));
    addEdit(edit, L("Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z), "undo");
    addEdit(edit, L("Redo"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), "redo");
    edit->addSeparator();
    addEdit(edit, L("Cut"), QKeySequence(Qt::CTRL | Qt::Key_X), "cut");
    addEdit(edit, L("Copy"), QKeySequence(Qt::CTRL | Qt::Key_C), "copy");
    addEdit(edit, L("Paste"), QKeySequence(Qt::CTRL | Qt::Key_V), "paste");
    edit->addSeparator();
    addEdit(edit, L("Select All"), QKeySequence(Qt::CTRL | Qt::Key_A), "selectAll");
}

bool MainMenu::sendToFocus(const char* slot)
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus)
        return false;
    const QByteArray signature = QByteArray(slot) + "()";
    if (focus->metaObject()->indexOfSlot(signature.constData()) < 0)
        return false;
    return QMetaObject::invokeMethod(focus, slot);
}

} // namespace karvo
