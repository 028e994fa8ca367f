// The SYSTEM.INI service contract bound to the fake.
#include "tests/contract/memtool/m2_factories.h"
#include "tests/fakes/memtool/fake_private_profile.h"

namespace mt {
namespace contract {
namespace {

class FakeProfileFiles : public ProfileFiles {
 public:
  PrivateProfile& profile() override { return fake_; }
  std::string path(const std::string& name) override { return name; }
  void put(const std::string& path, const std::string& text) override { fake_.setText(path, text); }
  std::string get(const std::string& path) override { return fake_.text(path); }
  void lock(const std::string& path) override { fake_.lock(path); }

 private:
  FakePrivateProfile fake_;
};

}  // namespace

std::unique_ptr<ProfileFiles> makeProfileFiles() { return std::make_unique<FakeProfileFiles>(); }

}  // namespace contract
}  // namespace mt
