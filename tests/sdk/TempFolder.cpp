#include "TempFolder.h"

#include <stdlib.h>

TempFolder::TempFolder()
{
    char pattern[] = "/tmp/prtsdk-test-XXXXXX";
    m_path = ::mkdtemp(pattern);
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}
