#pragma once
// Services the installation created, removed through the service control manager.

#include <cstddef>

// The command line the service runs; false when there is no such service.
bool ServiceProgramOf(const char* name, char* program, std::size_t size);

// Stops the service and deletes it. False when it cannot be opened or deleted.
bool StopAndDeleteService(const char* name);
