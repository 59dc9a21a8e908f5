#pragma once
// Helpers for driving the picker's widgets in tests: one application object for
// the whole test program, and mouse and key events sent straight to widgets.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <functional>

#include "picker/color_panel.h"
#include "picker/color_picker_window.h"
#include "picker/picker_spin_box.h"

namespace nimbrel::testing {

inline void ensureApplication()
{
    static int argc = 1;
    static char name[] = "nimbrel_picker_tests";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) new QApplication(argc, argv);  // lives until the program ends
}

inline void sendMouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(at), w->mapToGlobal(QPointF(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &event);
}

inline void click(QWidget* w, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(w, QEvent::MouseButtonPress, at, button);
    sendMouse(w, QEvent::MouseButtonRelease, at, button);
}

inline void click(QWidget* w, Qt::MouseButton button = Qt::LeftButton)
{
    click(w, w->rect().center(), button);
}

// The editor inside a spin box, or the box itself for a plain edit.
inline QLineEdit* editorOf(QWidget* w)
{
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit;
    return w->findChild<QLineEdit*>();
}

inline void pressKey(QWidget* target, int key, const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &release);
}

// Replaces the whole text by typing, key by key, as a user would.
inline void typeInto(QWidget* w, const QString& text)
{
    QLineEdit* edit = editorOf(w);
    edit->selectAll();
    pressKey(edit, Qt::Key_Backspace);
    for (const QChar c : text) pressKey(edit, c.toUpper().unicode(), QString(c));
}

// Runs `script` on the picker window once it is shown modally.
inline void whenPickerShows(std::function<void(ColorPickerWindow&)> script)
{
    QTimer::singleShot(0, [script] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* picker = qobject_cast<ColorPickerWindow*>(w); picker && picker->isVisible()) {
                script(*picker);
                return;
            }
    });
}

}  // namespace nimbrel::testing
