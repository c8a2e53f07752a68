#pragma once
// The start-up routines, called once each, in this order, by main.

void StartApplication();
void InitApplication();
void InitFileTypes();
void CreateAppObject();
void InstallAppMenuHandlers();
void OnFrameworkInitialized();
void OpenDefaultWindow();
