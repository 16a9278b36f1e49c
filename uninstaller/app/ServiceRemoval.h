#pragma once
// Services the installation created, removed through the service control manager.

// Stops the service and deletes it. Nothing happens when it cannot be opened.
void StopAndDeleteService(const char* name);
