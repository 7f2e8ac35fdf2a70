"""A dictionary server for the tests: serves the files of a folder, asks
for Basic authentication below /private/, answers /error/NNN with that status,
answers /slow/ late and /huge with more than 64 MiB. Prints its port."""
import base64, http.server, sys, time

ROOT = sys.argv[1]
CREDENTIALS = "Basic " + base64.b64encode(b"user:secret").decode()


class Handler(http.server.SimpleHTTPRequestHandler):
    def __init__(self, *args, **kwargs):
        super().__init__(*args, directory=ROOT, **kwargs)

    def log_message(self, *args):
        pass

    def allowed(self):
        if not self.path.startswith("/private/") or self.headers.get("Authorization") == CREDENTIALS:
            return True
        self.send_response(401)
        self.send_header("WWW-Authenticate", 'Basic realm="dictionaries"')
        self.send_header("Content-Length", "0")
        self.end_headers()
        return False

    def do_GET(self):
        if self.path.startswith("/error/"):
            self.send_error(int(self.path.split("/")[2]))
        elif self.path.startswith("/slow/"):
            time.sleep(30)
            self.send_error(404)
        elif self.path.startswith("/huge"):
            self.send_response(200)
            self.end_headers()
            chunk = b"x" * (1 << 20)
            for _ in range(65):
                self.wfile.write(chunk)
        elif self.allowed():
            super().do_GET()


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
print(server.server_address[1], flush=True)
server.serve_forever()
