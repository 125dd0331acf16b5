// The script named on the command line, as the data locator takes it: a name below data/.
// People type what their shell or their system offers: Windows paths with backslashes,
// and tab completion's `data/intro.txt` or any other path to a file inside data/.
#pragma once

#include <string>

// The name below data/ that `argument` means. A name that data/ holds as written stays as
// it is; backslashes become slashes; a path (relative or absolute) to an existing file
// inside the working directory's data/ becomes its part below data/, and a leading
// `data/` is dropped when no file matches, so a message names data/ once.
std::string scriptNameBelowData(const std::string& argument);

// True when the working directory has a data/ folder.
bool haveDataFolder();

// What to tell someone who started the player where there is no data/ folder.
std::string noDataFolderMessage();
