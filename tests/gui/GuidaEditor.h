// Drives the modal material editor in window tests: the action that opens it runs, and
// once the editor is on screen the test's guide works on it. The editor never stays open.
#pragma once

#include <functional>

class Form3;

namespace GuidaEditor {
// Returns false when no editor appeared.
bool ConEditor(const std::function<void()>& azione, const std::function<void(Form3*)>& guida);
} // namespace GuidaEditor
