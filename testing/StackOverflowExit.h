#pragma once
// A thread that overflows its stack under Wine cannot start the crash debugger on what is left
// of it and simply dies; another thread of the program then keeps the process alive for ever.
// After this call a stack overflow on any thread ends the whole process at once, with exit
// code EXCEPTION_STACK_OVERFLOW, after writing where it happened to the standard error.
void EndProcessOnStackOverflow();
