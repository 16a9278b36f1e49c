#pragma once

// Makes every creatable class of the component library known to the form reader by name.
void RegisterQuillonControls();
