#pragma once

// Makes the drag-and-drop components known to the form reader by name.
void RegisterDragDropClasses();
