#pragma once

// The program's start-up of the class library: common controls, and every class its form
// resources may name, with the picture formats they hold.
void RegisterQuillonClasses();
