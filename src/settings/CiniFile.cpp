// SPDX-License-Identifier: MIT
#include "settings/CiniFile.h"

#include "platform/AppInfo.h"

namespace tessary {

CiniFile::CiniFile()
    : m_path(defaultPath())
{
}

CiniFile::CiniFile(const QString& path)
    : m_path(path)
{
}

CiniFile::~CiniFile()
{
    flush();
}

QString CiniFile::defaultPath()
{
    return AppInfo::currentDirectory() + u'/' + AppInfo::exeName() + QStringLiteral(".ini");
}

void CiniFile::ensureLoaded()
{
    if (m_loaded)
        return;
    m_loaded = true;
    m_readStatus = IniDocument::readFile(m_path, m_document, m_exists);
    if (m_readStatus.ok())
        m_original = m_document.toBytes();
    else
        m_document = IniDocument();
}

QString CiniFile::readData(const QString& sectionName, const QString& keyName, const QString& defaultString)
{
    ensureLoaded();
    // Values written through this object count as a file, as they would on disk.
    if (!m_exists && !m_dirty)
        return defaultString;
    return m_document.read(sectionName, keyName, defaultString);
}

bool CiniFile::hasKey(const QString& sectionName, const QString& keyName)
{
    ensureLoaded();
    return (m_exists || m_dirty) && m_document.value(sectionName, keyName).has_value();
}

void CiniFile::writeData(const QString& sectionName, const QString& keyName, const QString& dataString)
{
    ensureLoaded();
    m_document.write(sectionName, keyName, dataString);
    m_dirty = true;
}

IniStatus CiniFile::flush()
{
    if (!m_dirty)
        return IniStatus::success();
    m_dirty = false;
    if (!m_readStatus.ok())
        return IniStatus::failure(m_readStatus.message() + QStringLiteral("; the file was left unchanged"),
                                  m_readStatus.reason());
    const QByteArray bytes = m_document.toBytes();
    if (m_exists && bytes == m_original)
        return IniStatus::success();
    const IniStatus status = m_document.writeFile(m_path);
    if (status.ok()) {
        m_exists = true;
        m_original = bytes;
    }
    return status;
}

} // namespace tessary
