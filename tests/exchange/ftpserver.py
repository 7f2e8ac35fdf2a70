"""An FTP server for the tests: user "user" with password "secret" on a
folder. Misbehaves for these files: RETR garbage.dic answers "999" and
junk; RETR long.dic answers a line of 100,000 characters; RETR escape.dic fails with terminal escapes in its reply; RETR
stall.dic says the data comes and sends none; RETR in a folder named
denied answers "550 Permission denied"; STOR refused.dic.uploading fails;
STOR hold.dic.uploading says the data may come and never answers (leaving
hold.dic.held beside it, so a test knows the upload is under way). User "dropper" (password "secret") is closed after every transfer.
Prints its port."""
import logging, os, sys
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


class Handler(FTPHandler):
    def ftp_RETR(self, file):
        name = os.path.basename(file)
        if name == "garbage.dic":
            self.push("999 garbage\r\n\x01\x02\xff junk\r\n")
            return
        if name == "long.dic":
            self.push("550 " + "x" * 1000000 + "\r\n")
            return
        if name == "escape.dic":
            self.respond("550 \x1b]0;owned\x07\x1b[31mno such file")
            return
        if os.path.basename(os.path.dirname(file)) == "denied":
            self.respond("550 Permission denied.")
            return
        if name == "stall.dic":
            self.respond("150 File status okay. About to open data connection.")
            return
        return super().ftp_RETR(file)

    def ftp_STOR(self, file, mode="w"):
        if os.path.basename(file) == "hold.dic.uploading":
            open(file[: -len(".uploading")] + ".held", "w").close()
            self.respond("150 File status okay. About to open data connection.")
            return
        if os.path.basename(file) == "refused.dic.uploading":
            self.respond("451 Local error in processing.")
            return
        return super().ftp_STOR(file, mode)

    def on_file_sent(self, file):
        if self.username == "dropper":
            self.close_when_done()

    def on_file_received(self, file):
        if self.username == "dropper":
            self.close_when_done()


logging.disable(logging.CRITICAL)
authorizer = DummyAuthorizer()
authorizer.add_user("user", "secret", sys.argv[1], perm="elradfmw")
authorizer.add_user("dropper", "secret", sys.argv[1], perm="elradfmw")
Handler.authorizer = authorizer
Handler.auth_failed_timeout = 0
server = FTPServer(("127.0.0.1", 0), Handler)
print(server.address[1], flush=True)
server.serve_forever()
