#include "GuidaEditor.h"

#include "editor/Form3.h"

#include <QApplication>
#include <QTimer>

namespace GuidaEditor {

bool ConEditor(const std::function<void()>& azione, const std::function<void(Form3*)>& guida)
{
    bool guidato = false;
    QTimer attesa;
    attesa.setInterval(0);
    QObject::connect(&attesa, &QTimer::timeout, [&] {
        auto* editor = qobject_cast<Form3*>(QApplication::activeModalWidget());
        if (!editor || !editor->isVisible())
            return;
        attesa.stop();
        guidato = true;
        guida(editor);
        // Whatever the test did, the editor must not stay open and block the run.
        if (editor->isVisible())
            editor->reject();
    });
    QTimer::singleShot(0, &attesa, qOverload<>(&QTimer::start));
    azione();
    attesa.stop();
    return guidato;
}

} // namespace GuidaEditor
