"""A dictionary server for the tests: serves the files of a folder, asks
for Basic authentication below /private/, and misbehaves below these paths:
/error/NNN answers with that status; /redirect/PORT/REST sends to
http://localhost:PORT/REST (another host name); /loop redirects to itself;
/tofile redirects to a file: URL; /toftp to an ftp: URL; /silent never answers; /trickle sends a
byte every two seconds; /drip a byte every 0.3 seconds; /half sends half its body, then nothing; /endless
sends without end; /bomb a gzip body that unpacks to 100 MB; /html
answers with a web page. A file that exists is
served below any of these paths. Every request is logged to the file given
second, as "HOST PATH AUTHORIZATION". Prints its port."""
import base64, gzip, http.server, os, sys, time

ROOT = sys.argv[1]
LOG = sys.argv[2] if len(sys.argv) > 2 else None
CREDENTIALS = "Basic " + base64.b64encode(b"user:secret").decode()


class Handler(http.server.SimpleHTTPRequestHandler):
    def __init__(self, *args, **kwargs):
        super().__init__(*args, directory=ROOT, **kwargs)

    def log_message(self, *args):
        pass

    def allowed(self):
        if "/private/" not in self.path or self.headers.get("Authorization") == CREDENTIALS:
            return True
        self.send_response(401)
        self.send_header("WWW-Authenticate", 'Basic realm="dictionaries"')
        self.send_header("Content-Length", "0")
        self.end_headers()
        return False

    def redirect(self, location):
        self.send_response(302)
        self.send_header("Location", location)
        self.send_header("Content-Length", "0")
        self.end_headers()

    def body(self, length, chunks, pause):
        self.send_response(200)
        if length is not None:
            self.send_header("Content-Length", str(length))
        self.end_headers()
        for chunk in chunks:
            self.wfile.write(chunk)
            self.wfile.flush()
            time.sleep(pause)

    def do_GET(self):
        if LOG:
            with open(LOG, "a") as log:
                log.write("%s %s %s\n" % (self.headers.get("Host"), self.path, self.headers.get("Authorization")))
        parts = self.path.split("/")
        mode = parts[1] if len(parts) > 1 else ""
        if os.path.isfile(os.path.join(ROOT, self.path.lstrip("/"))):
            mode = ""
        if mode == "error":
            self.send_error(int(parts[2]))
        elif mode == "redirect":
            self.redirect("http://localhost:%s/%s" % (parts[2], "/".join(parts[3:])))
        elif mode == "loop":
            self.redirect(self.path)
        elif mode == "tofile":
            self.redirect("file:///etc/passwd")
        elif mode == "toftp":
            self.redirect("ftp://127.0.0.1:1/elsewhere/dicts.dic")
        elif mode == "silent":
            time.sleep(600)
        elif mode == "trickle":
            self.body(100, (b"x" for _ in range(100)), 2)
        elif mode == "drip":
            self.body(100, (b"x" for _ in range(100)), 0.3)
        elif mode == "half":
            self.body(1000, [b"x" * 500], 600)
        elif mode == "endless":
            self.body(None, iter(lambda: b"x" * 65536, None), 0)
        elif mode == "bomb":
            packed = gzip.compress(b"\0" * (100 << 20), 9)
            self.send_response(200)
            self.send_header("Content-Encoding", "gzip")
            self.send_header("Content-Length", str(len(packed)))
            self.end_headers()
            self.wfile.write(packed)
        elif mode == "html":
            page = b"<!DOCTYPE html>\n<html><head><title>Not here</title></head>\n<body>Moved</body></html>\n"
            self.body(len(page), [page], 0)
        elif self.allowed():
            super().do_GET()


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
server.daemon_threads = True
print(server.server_address[1], flush=True)
server.serve_forever()
