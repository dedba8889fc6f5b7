// Running a program in the tests: objects linked in a scratch directory and
// the HEX image run in the simulator until SLEEP.
#pragma once
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "target/procdb.h"
#include "tools/ihex/ihex.h"
#include "tools/vxlink/link.h"
#include "tools/vxsim/sim_load.h"
#include "tools/vxsim/sim_map.h"
#include "tools/vxsim/sim_state.h"

class scratch_directory {
public:
    scratch_directory()
    {
        const ::testing::TestInfo *info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = std::filesystem::path(::testing::TempDir()) /
              (std::string(info->test_suite_name()) + "_" + info->name() + "_" + std::to_string(getpid()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    ~scratch_directory() { std::filesystem::remove_all(dir); }

    std::string path(const char *name) const { return (dir / name).string(); }

    // Links the objects and the runtime library into prog.hex and prog.map;
    // returns the exit status.
    int link(const std::vector<std::string> &objects, std::string *errors)
    {
        link_options options;
        options.runtime_archive = VX_RUNTIME_ARCHIVE;
        for (const std::string &object : objects)
            options.objects.push_back(path(object.c_str()));
        options.output = path("prog.hex");
        options.map = path("prog.map");
        ::testing::internal::CaptureStderr();
        int status = link_run(options);
        *errors = ::testing::internal::GetCapturedStderr();
        return status;
    }

    // Runs prog.hex to its SLEEP.
    std::unique_ptr<sim_state> run(uint64_t cycle_limit = 1000000)
    {
        hex_image image;
        std::string error;
        EXPECT_TRUE(hex_read(path("prog.hex").c_str(), &image, &error)) << error;
        auto s = std::make_unique<sim_state>();
        sim_init(s.get(), getProgramLocations(DEFAULT_PROCESSOR));
        EXPECT_TRUE(sim_load_image(s.get(), image, &error)) << error;
        EXPECT_EQ(sim_run(s.get(), cycle_limit), SIM_SLEEP);
        return s;
    }

    uint32_t address_of(const char *name)
    {
        link_map map;
        std::string error;
        EXPECT_TRUE(map_read(path("prog.map").c_str(), &map, &error)) << error;
        const map_symbol *symbol = map_find(map.symbols, name);
        EXPECT_NE(symbol, nullptr) << name;
        return symbol ? symbol->address : 0;
    }

private:
    std::filesystem::path dir;
};
