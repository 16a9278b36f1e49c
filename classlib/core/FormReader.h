#pragma once
// Reads a text form resource into a root component (a form): the root's own properties, then
// every nested object, created by class name and owned by the root. A control gets its parent
// before its properties are read. Component references and event handlers are resolved by
// name once the whole tree is read; then the root gets ResourceRead, and every component read
// gets Loaded, in creation order.

#include <string>

namespace cl {

class TComponent;

// EFormReadError naming the form, the line, the component and the property on any error.
void ReadFormResource(TComponent& root, const std::string& text, const std::string& formName);

}  // namespace cl
