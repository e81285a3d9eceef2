#pragma once
// The application object of the desktop program: it owns the one project record
// for the whole run, the window services, and prepares the per-user data
// directory when it is constructed.

#include "app/ui_services.h"
#include "model/data_directory.h"
#include "model/project_record.h"

#include <QString>

namespace vendrix {

class VendrixApplication
{
public:
    // Sets every field to its initial value, the start directory to the current
    // directory and the data directory to `dataDirectory`; each of its messages
    // is shown in an error box, and the program continues in every case.
    VendrixApplication(const UiServices &services, const DataDirectoryResult &dataDirectory);
    VendrixApplication(const VendrixApplication &) = delete;
    VendrixApplication &operator=(const VendrixApplication &) = delete;

    ProjectRecord &record() { return m_record; }
    const UiServices &services() const { return m_services; }

private:
    ProjectRecord m_record;
    UiServices m_services;
};

// Names the program for the settings store, the window system and the desktop
// entry. Call after the QApplication exists.
void setApplicationIdentity();

// Numbers printed by the C library use '.' again after the toolkit has taken the
// user's locale from the environment.
void keepCNumericLocale();

// The current directory as the program stores it.
std::string currentDirectoryText();

} // namespace vendrix
