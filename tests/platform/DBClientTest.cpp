// The data-module client: the socket connection and the client data set over a provider of the
// application server.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fixture/HostFakes.h"
#include "platform/ClassRegistry.h"
#include "platform/Clock.h"
#include "platform/DBClient.h"

using namespace znp;
using namespace znp::test;

namespace {

// A TCP socket bound to a loopback address, listening or not.
class LoopbackSocket {
public:
    LoopbackSocket(const char* address, bool listening, int backlog = 4) {
        fd_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        inet_pton(AF_INET, address, &a.sin_addr);
        ok_ = bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 && (!listening || listen(fd_, backlog) == 0);
        socklen_t len = sizeof a;
        getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len);
        port_ = ntohs(a.sin_port);
    }
    ~LoopbackSocket() { close(fd_); }
    bool Ok() const { return ok_; }
    int Port() const { return port_; }

private:
    int fd_ = -1;
    int port_ = 0;
    bool ok_ = false;
};

TEST(SocketConnection, ConnectsOverTcpToItsAddressAndPort) {
    LoopbackSocket listener("127.0.0.2", true);
    ASSERT_TRUE(listener.Ok());
    TSocketConnection connection(nullptr);
    connection.Address = "127.0.0.2";
    connection.Port = listener.Port();
    connection.Open();
    EXPECT_TRUE(connection.Connected());
    EXPECT_FALSE(connection.AppServer().IsObject()) << "nothing answers as an application server yet";
    connection.Close();
    EXPECT_FALSE(connection.Connected());

    // The address decides, not just the port.
    connection.Address = "127.0.0.4";
    connection.Open();
    EXPECT_FALSE(connection.Connected());

    // A broker that names servers hands out the first of them.
    TSimpleObjectBroker broker(nullptr);
    broker.Servers = {"127.0.0.2"};
    connection.ObjectBroker = &broker;
    connection.Open();
    EXPECT_TRUE(connection.Connected());
    connection.Close();
    connection.ObjectBroker = nullptr;
}

TEST(SocketConnection, StaysUnconnectedWhenThePortRefuses) {
    // Bound but not listening, and held by the test: no other process can take the port.
    LoopbackSocket closed("127.0.0.2", false);
    ASSERT_TRUE(closed.Ok());
    TSocketConnection connection(nullptr);
    connection.Address = "127.0.0.2";
    connection.Port = closed.Port();
    connection.Open();
    EXPECT_FALSE(connection.Connected());
}

// A socket that connects to Port without waiting for the answer.
int StartConnecting(const char* address, int port) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(port));
    inet_pton(AF_INET, address, &a.sin_addr);
    (void)connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    return fd;
}

TEST(SocketConnection, GivesUpWhenItsTimeOnThePlatformClockIsUp) {
    // A listener whose queue is full drops further attempts unanswered.
    LoopbackSocket full("127.0.0.5", true, 0);
    ASSERT_TRUE(full.Ok());
    const int fillers[] = {StartConnecting("127.0.0.5", full.Port()), StartConnecting("127.0.0.5", full.Port())};
    // Every reading of the clock is a minute later: a 30-second timeout is over at the first look,
    // so the test never waits for it.
    int readings = 0;
    SetClockSource([&readings] { return 45000.0 + (readings++) / 1440.0; });
    TSocketConnection connection(nullptr);
    connection.Address = "127.0.0.5";
    connection.Port = full.Port();
    connection.ConnectTimeout = 30;
    connection.Open();
    SetClockSource({});
    EXPECT_FALSE(connection.Connected());
    EXPECT_GE(readings, 2) << "the deadline is taken from the platform clock and checked against it";
    EXPECT_LE(readings, 4);
    for (int fd : fillers) close(fd);
}

TEST(SocketConnection, AServerObjectPutThereStaysAcrossClose) {
    ScopedHostFakes fakes;
    TSocketConnection connection(nullptr);
    connection.SetAppServer(CreateOleObject("ReportCounterS.dmReportCounter"));
    connection.Close();
    EXPECT_TRUE(connection.AppServer().IsObject());
}

class DataSet : public ::testing::Test {
protected:
    DataSet() : connection_(nullptr), dataSet_(nullptr) {
        server_ = CreateOleObject("ReportCounterS.dmReportCounter");
        fakes_.ReportServer().Schemes = {
            {"月报", "U01", "KVTR42", "sp01.Value", "v1", "20240105"},
            {"A", "U01", "KVTR42", "keys", "va", "20240101"},
            {"B", "U01", "KVTR42", "keys", "vb", "20240102"},
            {"A", "U02", "KVTR42", "keys", "other user", "20240103"},
        };
        OleCall(server_, "LoadTable", {Variant::ArrayOf({Variant("U01"), Variant("KVTR42")})});
        connection_.SetAppServer(server_);
        dataSet_.ProviderName = "pvdConSave";
        dataSet_.RemoteServer = &connection_;
        dataSet_.IndexFieldNames = "NCONDITION;CREATOR;PROGRAMME";
    }
    std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (dataSet_.First(); !dataSet_.Eof(); dataSet_.Next()) names.push_back(dataSet_.FieldByName("NCONDITION").AsString());
        return names;
    }
    ScopedHostFakes fakes_;
    Variant server_;
    TSocketConnection connection_;
    TClientDataSet dataSet_;
};

TEST_F(DataSet, OpenReadsTheProvidersFieldsAndRecordsInIndexOrder) {
    dataSet_.Open();
    ASSERT_TRUE(dataSet_.Active());
    EXPECT_EQ(fakes_.Log().Last("ReportServer", "GetRecords")->Args[0], Variant("pvdConSave"));
    ASSERT_EQ(dataSet_.Fields().size(), 6u);
    EXPECT_EQ(dataSet_.Fields()[5]->FieldName(), "CREATE_DATE");
    EXPECT_EQ(dataSet_.Fields()[5]->DisplayLabel, "CREATE_DATE");
    EXPECT_EQ(dataSet_.Fields()[0]->DataType(), TFieldType::ftString);
    EXPECT_EQ(dataSet_.RecordCount(), 3);
    EXPECT_EQ(Names(), (std::vector<std::string>{"A", "B", "月报"}));
    EXPECT_EQ(&dataSet_.FieldByName("vcondition"), dataSet_.FindField("VCONDITION")) << "names without regard to case";
    EXPECT_EQ(dataSet_.FindField("NOPE"), nullptr);
    EXPECT_THROW(dataSet_.FieldByName("NOPE"), EDatabaseError);

    // Reopening reads the provider again.
    fakes_.ReportServer().Schemes.push_back({"0", "U01", "KVTR42", "k", "v", "20240109"});
    dataSet_.Open();
    EXPECT_EQ(dataSet_.RecordCount(), 3) << "an open data set stays as it is";
    dataSet_.Close();
    EXPECT_FALSE(dataSet_.Active());
    EXPECT_TRUE(dataSet_.Fields().empty());
    dataSet_.SetActive(true);
    EXPECT_EQ(Names(), (std::vector<std::string>{"0", "A", "B", "月报"}));
}

TEST_F(DataSet, NavigationStopsAtBothEnds) {
    dataSet_.Open();
    EXPECT_EQ(dataSet_.RecNo(), 1);
    EXPECT_TRUE(dataSet_.Bof());
    EXPECT_FALSE(dataSet_.Eof());
    dataSet_.Prior();
    EXPECT_EQ(dataSet_.RecNo(), 1);
    EXPECT_TRUE(dataSet_.Bof());
    dataSet_.Last();
    EXPECT_EQ(dataSet_.RecNo(), 3);
    EXPECT_TRUE(dataSet_.Eof());
    dataSet_.Next();
    EXPECT_EQ(dataSet_.RecNo(), 3);
    EXPECT_EQ(dataSet_.FieldByName("VCONDITION").AsString(), "v1");
    dataSet_.Prior();
    EXPECT_EQ(dataSet_.RecNo(), 2);
    EXPECT_FALSE(dataSet_.Eof());
    EXPECT_FALSE(dataSet_.Bof());

    // No records: at both ends at once, and fields read as nothing.
    OleCall(server_, "LoadTable", {Variant::ArrayOf({Variant("U09"), Variant("KVTR42")})});
    dataSet_.Close();
    dataSet_.Open();
    EXPECT_EQ(dataSet_.RecordCount(), 0);
    EXPECT_TRUE(dataSet_.Eof());
    EXPECT_TRUE(dataSet_.Bof());
    EXPECT_EQ(dataSet_.RecNo(), 0);
    EXPECT_TRUE(dataSet_.FieldByName("NCONDITION").IsNull());
    EXPECT_THROW(dataSet_.Edit(), EDatabaseError);
}

TEST_F(DataSet, FindKeySearchesTheActiveIndex) {
    dataSet_.Open();
    dataSet_.Last();
    EXPECT_TRUE(dataSet_.FindKey({Variant("B"), Variant("U01"), Variant("KVTR42")}));
    EXPECT_EQ(dataSet_.FieldByName("VCONDITION").AsString(), "vb");
    EXPECT_TRUE(dataSet_.FindKey({Variant("月报")})) << "a shorter key matches the leading fields";
    EXPECT_EQ(dataSet_.RecNo(), 3);
    EXPECT_FALSE(dataSet_.FindKey({Variant("a"), Variant("U01"), Variant("KVTR42")})) << "with case";
    EXPECT_FALSE(dataSet_.FindKey({Variant("A"), Variant("U02"), Variant("KVTR42")})) << "not loaded for this user";
    EXPECT_EQ(dataSet_.RecNo(), 3) << "a failed search leaves the position";
    EXPECT_THROW(dataSet_.FindKey({Variant("A"), Variant("U01"), Variant("KVTR42"), Variant("x")}), EDatabaseError);
    dataSet_.Close();
    EXPECT_THROW(dataSet_.FindKey({Variant("A")}), EDatabaseError);
}

TEST_F(DataSet, EditingChangesOnlyTheClientsCopy) {
    dataSet_.Open();
    ASSERT_TRUE(dataSet_.FindKey({Variant("A"), Variant("U01"), Variant("KVTR42")}));
    EXPECT_THROW(dataSet_.FieldByName("NCONDITION").SetAsString("Z"), EDatabaseError) << "not in edit mode";

    dataSet_.Edit();
    EXPECT_EQ(dataSet_.State(), TDataSetState::dsEdit);
    dataSet_.FieldByName("NCONDITION").SetAsString("Z");
    EXPECT_EQ(dataSet_.FieldByName("NCONDITION").AsString(), "Z") << "the record being edited";
    dataSet_.Cancel();
    EXPECT_EQ(dataSet_.FieldByName("NCONDITION").AsString(), "A");

    dataSet_.Edit();
    dataSet_.FieldByName("NCONDITION").SetAsString("Z");
    dataSet_.Post();
    EXPECT_EQ(dataSet_.State(), TDataSetState::dsBrowse);
    EXPECT_EQ(dataSet_.FieldByName("NCONDITION").AsString(), "Z") << "the cursor follows the posted record";
    EXPECT_EQ(dataSet_.FieldByName("VCONDITION").AsString(), "va");
    EXPECT_EQ(Names(), (std::vector<std::string>{"B", "Z", "月报"}));
    EXPECT_TRUE(dataSet_.FindKey({Variant("Z"), Variant("U01"), Variant("KVTR42")}));
    EXPECT_EQ(fakes_.ReportServer().Schemes[1].Name, "A") << "the server keeps its name";

    // Moving on posts a pending edit.
    dataSet_.First();
    dataSet_.Edit();
    dataSet_.FieldByName("VCONDITION").SetText("changed");
    dataSet_.Next();
    EXPECT_EQ(dataSet_.State(), TDataSetState::dsBrowse);
    dataSet_.First();
    EXPECT_EQ(dataSet_.FieldByName("VCONDITION").AsString(), "changed");
}

TEST_F(DataSet, TextHandlersSitBetweenTheStoredAndTheShownText) {
    dataSet_.Open();
    TField& name = dataSet_.FieldByName("NCONDITION");
    name.OnGetText = [](TField& f, std::string& text, bool) { text = "<" + f.AsString() + ">"; };
    name.OnSetText = [](TField& f, const std::string& text) { f.SetAsString(text + "!"); };
    EXPECT_EQ(name.Text(), "<A>");
    dataSet_.Edit();
    name.SetText("N");
    EXPECT_EQ(name.AsString(), "N!");
}

TEST_F(DataSet, OpenFailsAndStaysClosedWithoutAServerOrATable) {
    TClientDataSet orphan(nullptr);
    orphan.ProviderName = "pvdConSave";
    EXPECT_THROW(orphan.Open(), EDatabaseError);
    orphan.RemoteServer = &connection_;
    connection_.SetAppServer(Variant());
    EXPECT_THROW(orphan.Open(), EDatabaseError);
    EXPECT_FALSE(orphan.Active());

    connection_.SetAppServer(server_);
    const Variant answers[] = {Variant(), Variant("table"), Variant::ArrayOf({Variant("NCONDITION")})};
    for (const Variant& answer : answers) {
        fakes_.ReportServer().Method("GetRecords", 1, [answer](std::vector<Variant>&) { return answer; });
        EXPECT_THROW(dataSet_.Open(), EDatabaseError);
        EXPECT_FALSE(dataSet_.Active());
    }
    // An index over a field the provider does not have.
    fakes_.ReportServer().Method("GetRecords", 1, [](std::vector<Variant>&) {
        Variant table = Variant::Array({{0, 1}, {0, 0}});
        table.At(0, 0) = "X";
        table.At(1, 0) = "1";
        return table;
    });
    EXPECT_THROW(dataSet_.Open(), EDatabaseError);
    EXPECT_FALSE(dataSet_.Active());
    dataSet_.IndexFieldNames.clear();
    dataSet_.Open();
    EXPECT_EQ(dataSet_.FieldByName("X").AsString(), "1");
}

}  // namespace
