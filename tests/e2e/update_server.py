#!/usr/bin/env python3
"""Update servers on 127.0.0.1 for Ovix's end-to-end tests, one port per way of answering.

  update_server.py start DIR   starts the servers in the background; returns once DIR/ports
                               lists "name port" lines (and DIR/pid holds their process id)
  update_server.py stop DIR    ends them

Every request is logged to DIR/requests as "name request", and, once Ovix has closed its
end, "name closed SECONDS" with the time the connection was held open. The servers end by
themselves after ten minutes.
"""
import os
import signal
import socket
import sys
import threading
import time


def answer(body, status="200 OK"):
    return (f"HTTP/1.0 {status}\r\nContent-Type: text/plain\r\n"
            f"Content-Length: {len(body)}\r\n\r\n").encode() + body


ANSWERS = {
    "newer": answer(b"Ovix 1.2.1\n"),
    "same": answer(b"Ovix 1.2.0\n"),
    "missing": answer(b"not here\n", "404 Not Found"),
    "huge": answer(b"Ovix 1.2.1\n" + b"x" * (10 * 1024 * 1024)),
    "silent": None,  # reads the request and never answers
}


def serve(directory, name, connection):
    log = os.path.join(directory, "requests")
    opened = time.monotonic()
    with connection:
        try:
            request = b""
            while b"\r\n\r\n" not in request:
                part = connection.recv(4096)
                if not part:
                    break
                request += part
            with open(log, "a") as file:
                file.write(f"{name} request\n")
            if ANSWERS[name] is not None:
                connection.sendall(ANSWERS[name])
                connection.shutdown(socket.SHUT_WR)
            while connection.recv(4096):
                pass
        except OSError:
            pass  # Ovix closed its end early: the huge answer
    with open(log, "a") as file:
        file.write(f"{name} closed {time.monotonic() - opened:.2f}\n")


def listen(directory, name, server):
    while True:
        connection, _ = server.accept()
        threading.Thread(target=serve, args=(directory, name, connection), daemon=True).start()


def run(directory):
    lines = []
    for name in ANSWERS:
        server = socket.socket()
        server.bind(("127.0.0.1", 0))
        server.listen(8)
        lines.append(f"{name} {server.getsockname()[1]}")
        threading.Thread(target=listen, args=(directory, name, server), daemon=True).start()
    stopped = socket.socket()  # a port nobody listens on any more
    stopped.bind(("127.0.0.1", 0))
    lines.append(f"stopped {stopped.getsockname()[1]}")
    stopped.close()
    with open(os.path.join(directory, "ports.tmp"), "w") as file:
        file.write("\n".join(lines) + "\n")
    os.replace(os.path.join(directory, "ports.tmp"), os.path.join(directory, "ports"))
    time.sleep(600)


def main():
    command, directory = sys.argv[1], os.path.abspath(sys.argv[2])
    pid_file = os.path.join(directory, "pid")
    if command == "stop":
        try:
            os.kill(int(open(pid_file).read()), signal.SIGTERM)
        except (OSError, ValueError):
            pass
        return
    os.makedirs(directory, exist_ok=True)
    for stale in ("ports", "requests", "pid"):
        if os.path.exists(os.path.join(directory, stale)):
            os.remove(os.path.join(directory, stale))
    child = os.fork()
    if child == 0:
        os.setsid()
        devnull = os.open(os.devnull, os.O_RDWR)
        for stream in (0, 1, 2):
            os.dup2(devnull, stream)
        run(directory)
        os._exit(0)
    with open(pid_file, "w") as file:
        file.write(str(child))
    for _ in range(200):
        if os.path.exists(os.path.join(directory, "ports")):
            return
        time.sleep(0.05)
    sys.exit("update servers did not start")


if __name__ == "__main__":
    main()
