#include "lib/scn/Resource.hpp"

#include "lib/core/ProgramName.hpp"
#include "lib/scn/SoundFileCheck.hpp"

#include <SFML/Audio/Music.hpp>
#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <filesystem>
#include <ostream>
#include <system_error>

namespace lib::scn
{

namespace
{

// The memory that the sounds loaded whole take now, all resources together.
std::uint64_t soundBytes = 0;

} // namespace

Resource::Resource(std::int32_t kind, const std::string& path, const std::string& name,
                   bool audible)
    : HasName(name)
    , m_kind(kind)
{
    // Only regular files are handed to the loaders: a named pipe would block the start for
    // ever and a device such as /dev/zero never ends. SFML writes its own line to the error
    // stream for a file that does not load.
    const bool loads = kind == FontKind || kind == TextureKind || audible;
    std::error_code error;
    const bool regular = loads && std::filesystem::is_regular_file(path, error);
    if (loads && !regular)
        lib::core::ProgramName::errorLine()
            << "\"" << path << "\" is no file that can be read; the resource \"" << name
            << "\" stays empty" << std::endl;
    if (kind == FontKind)
    {
        m_font = std::make_unique<sf::Font>();
        m_loaded = regular && m_font->loadFromFile(path);
    }
    else if (kind == TextureKind)
    {
        m_texture = std::make_unique<sf::Texture>();
        m_loaded = regular && m_texture->loadFromFile(path, sf::IntRect());
        // Pictures are drawn scaled to the window; smoothing keeps their edges clean.
        m_texture->setSmooth(true);
    }
    else if ((kind == SoundKind || kind == MusicKind) && regular)
    {
        SoundFileCheck::Result checked = SoundFileCheck::check(path, kind == SoundKind);
        if (checked.problem.empty() && kind == SoundKind &&
            soundBytes + checked.decodedBytes > SoundBudget)
            checked.problem = "would pass the memory that all sounds together may take";
        if (!checked.problem.empty())
        {
            lib::core::ProgramName::errorLine()
                << "the sound file \"" << path << "\" " << checked.problem << "; the resource \""
                << name << "\" stays silent" << std::endl;
            return;
        }
        if (kind == SoundKind)
        {
            m_sound = std::make_unique<sf::SoundBuffer>();
            m_loaded = m_sound->loadFromFile(path);
            if (!m_loaded)
                m_sound.reset();
            m_soundBytes = m_loaded ? checked.decodedBytes : 0;
            soundBytes += m_soundBytes;
        }
        else
        {
            // Tried once now: a track that failed to open would complain on every play.
            m_path = path;
            m_loaded = sf::Music().openFromFile(path);
        }
    }
}

bool Resource::openTrack()
{
    // The file may have changed since it was checked.
    if (!m_music && m_kind == MusicKind && m_loaded &&
        SoundFileCheck::check(m_path, false).problem.empty())
    {
        m_music = std::make_unique<sf::Music>();
        if (!m_music->openFromFile(m_path))
            m_music.reset();
    }
    return m_music != nullptr;
}

void Resource::closeTrack()
{
    // The player stops its stream and lets go of the file as it goes.
    m_music.reset();
}

Resource::Resource(const sf::Font* font)
    : HasName(std::string())
    , m_kind(NoKind)
{
    if (font != nullptr)
        m_font = std::make_unique<sf::Font>(*font);
}

Resource::~Resource()
{
    soundBytes -= m_soundBytes;
}

sf::Font* Resource::getAsFont() const
{
    // Asking a texture for its font is a slip of the caller; an empty font draws nothing
    // instead of crashing.
    if (!m_font)
        m_font = std::make_unique<sf::Font>();
    return m_font.get();
}

sf::Texture* Resource::getAsTexture() const
{
    if (!m_texture)
        m_texture = std::make_unique<sf::Texture>();
    return m_texture.get();
}

} // namespace lib::scn
