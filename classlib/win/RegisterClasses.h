#pragma once

namespace cl {

// Makes every class of the library known to the form reader by name.
void RegisterClassLibrary();

}  // namespace cl
