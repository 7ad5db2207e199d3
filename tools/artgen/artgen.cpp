// artgen: draws the game's pictures and desktop icons with plain pixel maths (no window, no
// GPU, no fonts) and writes them as PNG files. Shapes are signed distance functions, so every
// edge is antialiased by its exact coverage. Usage: artgen DATA_FOLDER
#include "bexil/look/LookAtlas.hpp"
#include "tools/artgen/AtlasArt.hpp"
#include "tools/artgen/Canvas.hpp"
#include "tools/artgen/MenuArt.hpp"

#include <filesystem>
#include <iostream>

namespace
{

using artgen::Canvas;

bool write(const Canvas& canvas, const std::filesystem::path& path)
{
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (!canvas.save(path.string()))
    {
        std::cerr << "artgen: cannot write " << path.string() << '\n';
        return false;
    }
    std::cout << "artgen: wrote " << path.string() << '\n';
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::cerr << "usage: artgen DATA_FOLDER\n";
        return 2;
    }
    const std::filesystem::path data = argv[1];
    // The logo, shown 800 units wide, keeps twice the pixels a 4K screen gives it.
    Canvas logo(1600, 600, {1600.f, 600.f});
    artgen::drawLogo(logo);
    Canvas background(3840, 2160, {3840.f, 2160.f});
    artgen::drawBackground(background);
    // The band is even across: its width stretches with the window, its height holds 4K's.
    Canvas band(512, 1040, {2000.f, 960.f});
    artgen::drawBand(band);
    Canvas icon64(64, 64, {256.f, 256.f}), icon256(256, 256, {256.f, 256.f});
    artgen::drawIcon(icon64);
    artgen::drawIcon(icon256);
    constexpr unsigned atlasWidth = bexil::look::LookAtlas::Width,
                       atlasHeight = bexil::look::LookAtlas::Height;
    Canvas atlas(atlasWidth, atlasHeight,
                 {static_cast<float>(atlasWidth), static_cast<float>(atlasHeight)});
    artgen::drawAtlas(atlas);
    const bool ok = write(logo, data / "images" / "logo.png") &&
                    write(background, data / "images" / "background.png") &&
                    write(band, data / "images" / "band.png") &&
                    write(atlas, data / "images" / "look.png") &&
                    write(icon64, data / "icons" / "bexil-64.png") &&
                    write(icon256, data / "icons" / "bexil-256.png");
    return ok ? 0 : 1;
}
